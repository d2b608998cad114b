// Runs a menu entry's script the way the browser does: the platform's JScript engine hosted in
// this process, with the named item `external` whose menuArguments is the page's window.
#pragma once

#include "StandInLog.h"

#include <windows.h>

#include <oaidl.h>

#include <memory>
#include <string>

namespace tandrel::standin {

struct ScriptRun {
    enum class Outcome { kDone, kNoEngine, kScriptError };
    Outcome outcome = Outcome::kDone;
    std::string message; ///< what went wrong, in UTF-8; empty when done
    unsigned line = 0;   ///< kScriptError: line of the error in the page (1-based), 0 unknown
};

/// Runs JScript code whose first line is line `firstLine` (0-based) of its page. `menuArguments`
/// is what external.menuArguments answers; each read of it is counted in the log as
/// "menuArguments". The apartment must be initialised.
ScriptRun RunMenuScript(const std::u16string& code, unsigned firstLine, IDispatch* menuArguments,
                        std::shared_ptr<StandInLog> log);

} // namespace tandrel::standin
