// The question asked before a modified document is closed or its text replaced.
#pragma once

namespace app {

class App;
class Document;

// Asks whether to save the window's text. Returns true when the user cancelled, in the
// question or in the Save dialog that Yes led to; false to go on (saved or not).
bool AskSaveChanges(App& app, Document& doc);

} // namespace app
