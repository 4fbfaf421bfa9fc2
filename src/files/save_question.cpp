// The save question before a modified document is closed or its text replaced.
#include "files/save_question.h"

#include "core/program.h"
#include "files/file_texts.h"
#include "files/save_file.h"

namespace files {

bool AskSaveChanges(core::Program& app, core::Document& doc) {
    namespace mb = platform::mb;
    const std::string caption = doc.form().Caption();
    platform::Answer answer = app.platform.MsgBox(text::SaveChangesQuestion(caption),
                                                  mb::YesNoCancel | mb::Question, caption);
    if (answer == platform::Answer::Cancel) return true;
    if (answer == platform::Answer::Yes) return SaveDocument(app, doc);
    return false;
}

} // namespace files
