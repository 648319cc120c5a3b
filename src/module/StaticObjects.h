// The module's static objects, built and torn down by its entry point in the order the C++
// runtime keeps: constructors in link order at load, then at unload the destructors and
// atexit registrations, last registered first.
#pragma once

namespace StaticObjects {
// Runs every static constructor. false when a destructor could not be registered; everything
// constructed so far has then been destroyed again.
bool Construct();
// Runs the registered destructors, last registered first, each once.
void Destroy();
}  // namespace StaticObjects
