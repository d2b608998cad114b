// record.exe: writes the arguments the C runtime split from its command line, one to a line, to
// the file TANDREL_RECORD names; the Windows tests read them back to see what a started program
// gets.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const char* path = std::getenv("TANDREL_RECORD");
    if (!path)
        return 2;
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        return 1;
    for (int at = 1; at < argc; ++at)
        std::fprintf(file, "%s\n", argv[at]);
    return std::fclose(file) == 0 ? 0 : 1;
}
