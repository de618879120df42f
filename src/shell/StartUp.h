#pragma once

namespace brisvola {

// Sets the program's formats, declares the window set and shows the password window; the caller
// runs the event loop.
void startUp();

// Loads Qt's Italian translations for Qt's own dialogs (done by startUp); false when they are not
// installed, in which case those dialogs stay in English.
bool installQtTranslations();

} // namespace brisvola
