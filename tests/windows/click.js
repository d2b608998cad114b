// Creates the scriptable object as a menu page does and calls Click the way scripts call it.
// Prints one line per check; any failure ends the script with exit code 1.
function check(condition, what) {
    WScript.Echo((condition ? "ok " : "FAILED ") + what);
    if (!condition) WScript.Quit(1);
}

var helper = new ActiveXObject("KVO.ATandrel");
check(typeof helper == "object", "created by ProgID KVO.ATandrel");
var versioned = new ActiveXObject("KVO.ATandrel.1");
check(typeof versioned == "object", "created by ProgID KVO.ATandrel.1");

// Click on something that is not a browser window beeps and still succeeds.
var result = helper.Click(versioned, "CONFIG", "", "");
check(result === undefined, "Click returns no value and raises no error");
helper.Click(versioned, "no such command", "x", "y");
check(true, "Click with an unknown keyword raises no error");

var failed = false;
try {
    helper.NoSuchMethod();
} catch (e) {
    failed = true;
}
check(failed, "a method the type library does not name fails");
WScript.Quit(0);
