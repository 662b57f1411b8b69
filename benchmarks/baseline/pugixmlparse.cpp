// The yardstick of the whole-process comparisons: a program that only reads and parses an XML
// file with pugixml, as fast as that library parses.
#include <cstdio>

#include <pugixml.hpp>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pugixml-parse FILE\n");
        return 2;
    }
    pugi::xml_document document;
    const pugi::xml_parse_result result = document.load_file(argv[1]);
    if (!result) {
        std::fprintf(stderr, "%s: %s\n", argv[1], result.description());
        return 1;
    }
    return 0;
}
