// The fake's clipboard and locale: a clipboard that another program can hold open, and the
// Western European code page with the formats of a United States user.
#pragma once
#include <map>
#include <string>

#include "platform/clipboard.h"
#include "platform/locale.h"

namespace fake {

class FakeClipboard : public platform::Clipboard {
  public:
    bool Clear() override;
    bool SetText(std::string_view text) override;
    std::optional<std::string> GetText() override;

    // Test side. What the clipboard holds, by format: "Text", "Bitmap".
    std::map<std::string, std::string> formats;
    // Another program holds the clipboard open for this many of our attempts to open it.
    int heldFor = 0;
    // Attempts per operation before giving up, as the real clipboard tries.
    int attempts = 10;

  private:
    bool Open();
};

class FakeLocale : public platform::Locale {
  public:
    FakeLocale();
    int CodePage() override { return 1252; }
    const platform::CaseTable& Cases() override { return cases_; }
    std::string LongDate(const platform::LocalTime& t) override;
    std::string ShortDate(const platform::LocalTime& t) override;
    std::string Time(const platform::LocalTime& t) override;
    std::string DatePicture(const platform::LocalTime& t, std::string_view picture) override;
    std::string TimePicture(const platform::LocalTime& t, std::string_view picture) override;

    // Test side: the user's formats, in the system's picture terms.
    std::string longDate = "dddd, MMMM d, yyyy";
    std::string shortDate = "M/d/yyyy";
    std::string time = "h:mm:ss tt";

  private:
    platform::CaseTable cases_;
};

// Formats a date and time with a picture of the system's terms (see platform::Locale).
std::string FormatPicture(const platform::LocalTime& t, std::string_view picture);

} // namespace fake
