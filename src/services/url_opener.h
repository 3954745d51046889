// Opening an address in the user's own browser, outside the program.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace services {

// Starts the user's browser for `address` (xdg-open) and returns at once;
// whether it worked is not known or waited for.
void OpenUrlExternally(const std::string& address);

// What OpenUrlExternally does; tests put a recorder here. Answers the
// previous opener; an empty one restores the real one.
using UrlOpener = std::function<void(const std::string& address)>;
UrlOpener SetUrlOpener(UrlOpener opener);

// Starts a program with an argument vector (never through a shell), detached
// from the program: nothing waits for it and it leaves no zombie. False when
// it could not be started.
bool SpawnDetached(const std::vector<std::string>& argv);

}  // namespace services
