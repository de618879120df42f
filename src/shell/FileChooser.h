#pragma once

class QFileDialog;

namespace brisvola {

// Every file chooser of the program is Qt's own (not the platform's) dialog, sized so that the
// columns of its list (name, size, type, date) read whole.
void prepareFileChooser(QFileDialog &dialog);

} // namespace brisvola
