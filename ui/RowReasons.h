#pragma once

#include <QString>

class IStepchain;

// Why a row's action is invalid, in Japanese, one reason a line; empty for
// a valid action. The reasons are the action's own, the same that the
// command line's check prints.
QString RowReasons(IStepchain* action);
