// The user's locale through the system's own case mapping and date and time formatting.
#pragma once
#include "platform/win32/win32_windows.h"

#include <optional>

#include "platform/locale.h"

namespace platform::win32 {

class Win32Locale : public Locale {
  public:
    int CodePage() override;
    const CaseTable& Cases() override;
    std::string LongDate(const LocalTime& t) override;
    std::string ShortDate(const LocalTime& t) override;
    std::string Time(const LocalTime& t) override;
    std::string DatePicture(const LocalTime& t, std::string_view picture) override;
    std::string TimePicture(const LocalTime& t, std::string_view picture) override;

  private:
    std::optional<CaseTable> cases_; // made on first use
};

// The clock's local time as the program keeps it.
LocalTime LocalTimeOf(const SYSTEMTIME& st);

} // namespace platform::win32
