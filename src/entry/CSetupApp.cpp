#include "entry/CSetupApp.h"

CSetupApp theApp;

CSetupApp::~CSetupApp() = default;
