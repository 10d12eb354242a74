#include "integration/CShortcutInfo.h"

CShortcutInfo::~CShortcutInfo() = default;
