#!/usr/bin/env python3
"""Writes tests/standin/NotImplementedBases.h from the mingw-w64 COM headers.

The browser stand-in implements a handful of methods of interfaces that have hundreds. For each
interface named below this emits a specialisation of `NotImplemented<I>` that derives from I and
answers every method of I and of its bases (down to, not including, IUnknown) with E_NOTIMPL, so
that a stand-in class overrides only what it answers. IUnknown stays abstract: the concrete class
implements it once for all of its interfaces.

Usage: gen_standin_bases.py [--include-dir DIR] [--output FILE]
"""

import argparse
import os
import re
import sys

HEADERS = ["oaidl.h", "mshtml.h", "exdisp.h"]

INTERFACES = [
    "IDispatch",
    "IHTMLWindow2",
    "IHTMLDocument2",
    "IHTMLLocation",
    "IHTMLScreen",
    "IHTMLSelectionObject",
    "IHTMLTxtRange",
    "IHTMLControlRange",
    "IHTMLElement",
    "IHTMLElementCollection",
    "IWebBrowser2",
]

# The C++ view of a widl-generated interface:
#   MIDL_INTERFACE("...")
#   IName : public IBase
#   {
#       virtual HRESULT STDMETHODCALLTYPE method(
#           TYPE name,
#           TYPE name = default) = 0;
#   };
INTERFACE_RE = re.compile(
    r'MIDL_INTERFACE\("[^"]*"\)\s*\n(\w+)\s*:\s*public\s+(\w+)\s*\{(.*?)\n\};', re.S)
METHOD_RE = re.compile(r"virtual\s+(\w+)\s+STDMETHODCALLTYPE\s+(\w+)\s*\((.*?)\)\s*=\s*0\s*;", re.S)


class Interface:
    def __init__(self, name, base, methods):
        self.name = name
        self.base = base
        self.methods = methods  # (return type, name, [parameter types])


def split_parameters(text):
    """Parameter declarations without names or default values; [] for an empty list."""
    text = " ".join(text.split())
    if text in ("", "void"):
        return []
    parameters = []
    depth = 0
    current = ""
    for ch in text:
        if ch in "(<":
            depth += 1
        elif ch in ")>":
            depth -= 1
        if ch == "," and depth == 0:
            parameters.append(current)
            current = ""
        else:
            current += ch
    parameters.append(current)
    return [parameter_type(p) for p in parameters]


def parameter_type(declaration):
    declaration = declaration.split("=")[0].strip()
    match = re.match(r"^(.*?)(\w+)\s*((?:\[[^\]]*\])*)$", declaration)
    if not match or not match.group(1).strip():
        raise ValueError("cannot read the parameter declaration: " + declaration)
    type_text, name, arrays = match.group(1).strip(), match.group(2), match.group(3)
    if arrays:
        raise ValueError("array parameters are not supported: " + declaration)
    return type_text, name


def read_interfaces(include_dir):
    interfaces = {}
    for header in HEADERS:
        with open(os.path.join(include_dir, header), encoding="latin-1") as f:
            text = f.read()
        for match in INTERFACE_RE.finditer(text):
            name, base, body = match.groups()
            methods = [(m.group(1), m.group(2), split_parameters(m.group(3)))
                       for m in METHOD_RE.finditer(body)]
            interfaces[name] = Interface(name, base, methods)
    return interfaces


def inherited_methods(interfaces, name):
    """Every method of the interface and its bases, the most basic first, IUnknown left out."""
    chain = []
    while name != "IUnknown":
        if name not in interfaces:
            raise KeyError("interface not found in the headers: " + name)
        chain.append(interfaces[name])
        name = interfaces[name].base
    methods = []
    for interface in reversed(chain):
        for method in interface.methods:
            if method[0] != "HRESULT":
                raise ValueError("%s::%s does not return HRESULT" % (interface.name, method[1]))
            methods.append(method)
    return [i.name for i in reversed(chain)], methods


def emit_class(interfaces, name):
    chain, methods = inherited_methods(interfaces, name)
    lines = ["", "/// %s: %d methods (%s)." % (name, len(methods), " <- ".join(reversed(chain))),
             "template <> class NotImplemented<%s> : public %s {" % (name, name), "public:"]
    for _, method, parameters in methods:
        parameter_text = ", ".join("%s /*%s*/" % p for p in parameters)
        lines.append("    HRESULT STDMETHODCALLTYPE %s(%s) override { return E_NOTIMPL; }"
                     % (method, parameter_text))
    lines.append("};")
    return lines


def generate(include_dir):
    interfaces = read_interfaces(include_dir)
    lines = [
        "// GENERATED FILE, do not edit: written by tools/gen_standin_bases.py from the mingw-w64",
        "// headers " + ", ".join(HEADERS) + ". Run the script again to change it.",
        "//",
        "// NotImplemented<I> derives from the interface I and answers every method of I and of its",
        "// bases, IUnknown excepted, with E_NOTIMPL. A stand-in class derives from it and overrides",
        "// only the methods it answers; it implements IUnknown itself.",
        "#pragma once",
        "",
        "// clang-format off",
        "#include <windows.h>",
        "#include <oaidl.h>",
        "#include <mshtml.h>",
        "#include <exdisp.h>",
        "",
        "namespace tandrel::standin {",
        "",
        "template <typename Interface> class NotImplemented;",
    ]
    for name in INTERFACES:
        lines.extend(emit_class(interfaces, name))
    lines.extend(["", "} // namespace tandrel::standin", "// clang-format on", ""])
    return "\n".join(lines)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--include-dir", default="/usr/share/mingw-w64/include")
    parser.add_argument("--output",
                        default=os.path.join(here, "..", "tests", "standin", "NotImplementedBases.h"))
    args = parser.parse_args()
    try:
        text = generate(args.include_dir)
    except (OSError, KeyError, ValueError) as error:
        sys.exit("gen_standin_bases.py: %s" % error)
    with open(args.output, "w", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
