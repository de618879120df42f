#include "shell/WindowSet.h"

// Each app declares its windows here, in the order the program has always created them.
namespace brisvola {

void registerAppWindows()
{
}

} // namespace brisvola
