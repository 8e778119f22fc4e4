#include <string>
#include <vector>

#include "ConvertCommand.h"
#include "texts/Translations.h"

int main(int argc, char** argv) {
    LoadTranslations();
    return RunConvertCommand(std::vector<std::string>(argv + 1, argv + argc));
}
