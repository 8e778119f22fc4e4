#pragma once
// quillmere-convert as a function: the arguments after the program name in,
// the exit status out (0 every photo converted, 1 some not, 2 bad arguments).

#include <string>
#include <vector>

int RunConvertCommand(const std::vector<std::string>& args);
