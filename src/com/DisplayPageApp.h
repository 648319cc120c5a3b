// The module's application object: the framework needs one in every module that uses it.
// It keeps the framework's own start-up and shut-down behaviour.
#pragma once
#include "framework/WinApp.h"

class CDisplayPageApp : public CWinApp {};
