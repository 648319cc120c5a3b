// What installing may change on a Windows machine, listed so that two moments can be compared:
// every key and value under HKEY_CLASSES_ROOT, and the files in the system and INF folders.
#pragma once
#include <set>
#include <string>

using MachineListing = std::set<std::string>;

MachineListing ListMachine();
// The lines only one of the listings has, marked "-" (before only) or "+" (after only); empty
// when nothing changed.
std::string ListingChanges(const MachineListing& before, const MachineListing& after);
