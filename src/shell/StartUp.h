#pragma once

namespace brisvola {

// Sets the program's formats, declares the window set and shows the password window; the caller
// runs the event loop.
void startUp();

} // namespace brisvola
