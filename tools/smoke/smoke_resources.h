// Command identifiers of the smoke window's menu (shared by the resource script).
#pragma once

#define IDM_SMOKE_OPEN 40001
