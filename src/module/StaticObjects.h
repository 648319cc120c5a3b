// The module's static objects, built and torn down by its entry point in the order the C++
// runtime keeps: at load the constructors from the end of the compiler's table to its start
// (those given an init priority first, then the rest in reverse link order), and at unload the
// destructors and atexit registrations, last registered first.
#pragma once

namespace StaticObjects {
// Runs every static constructor. false when a destructor could not be registered; everything
// constructed so far has then been destroyed again.
bool Construct();
// Runs the registered destructors, last registered first, each once.
void Destroy();
}  // namespace StaticObjects
