#include <string>
#include <vector>

#include "ConvertCommand.h"

int main(int argc, char** argv) {
    return RunConvertCommand(std::vector<std::string>(argv + 1, argv + argc));
}
