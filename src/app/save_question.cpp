#include "app/save_question.h"

#include "app/app.h"
#include "app/document_window.h"
#include "files/save_file.h"

namespace app {

bool AskSaveChanges(App& app, Document& doc) {
    namespace mb = platform::mb;
    const std::string caption = doc.form().Caption();
    platform::Answer answer =
        app.platform.MsgBox("File " + caption + " was modified.\r\nDo you want to save it?",
                            mb::YesNoCancel | mb::Question, caption);
    if (answer == platform::Answer::Cancel) return true;
    if (answer == platform::Answer::Yes) return files::SaveDocument(app, doc);
    return false;
}

} // namespace app
