// The characters a command interpreter acts on inside a line it reads, wherever a value put into
// a console command stands: the template expansion blanks or encodes them in values, and the
// console command blanks the look-alikes the code page would turn into them.
#pragma once

namespace tandrel {

/// The characters with which a command interpreter leaves a quoted command: the quote itself,
/// the chaining and redirecting ones, and the line breaks that end the command.
constexpr bool EndsConsoleCommand(char16_t c) {
    return c == u'"' || c == u'&' || c == u'|' || c == u'<' || c == u'>' || c == u'^' ||
           c == u'\r' || c == u'\n';
}

/// The characters with which a command interpreter puts in a variable: "%NAME%", and "!NAME!"
/// where the user has turned delayed expansion on. Both are replaced before the interpreter reads
/// any quote, so no quoting protects a value from them.
constexpr bool ExpandsInConsole(char16_t c) {
    return c == u'%' || c == u'!';
}

} // namespace tandrel
