#include "DisplayPageApp.h"

static CDisplayPageApp theApp;
