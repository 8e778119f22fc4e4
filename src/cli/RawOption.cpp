// The command line's choices of how camera RAW photos are developed and of
// the colours of indexed BMP.

#include "CliRules.h"
#include "model/OptionTables.h"
#include "model/RawDevelop.h"

namespace cli {

OptionRule RawDevelopRule() {
    const ChoiceSet set = FromRows(RawDevelopChoices());
    const std::string builtIn = set.NameOf(BuiltInDefaultOutputPhotoFormat().nRawDevelop);
    Handler handle = [set](const std::string& v, CliOptions& o) -> std::string {
        for (const Accepted& a : set.accepted)
            if (v == a.name) {
                o.format.nRawDevelop = a.value;
                return {};
            }
        return words::Filled(shown::translate("CommandLine", "must be one of %1"),
                             {JoinOr(set.shown)});
    };
    return {"Output",
            "raw",
            0,
            "HOW",
            words::Filled(shown::translate("CommandLine",
                                           "how camera RAW photos are developed: auto (the "
                                           "camera's preview when it covers the output, else half "
                                           "size when that does, else full), preview or full "
                                           "(default %1)"),
                          {builtIn}),
            handle,
            set.shown};
}

OptionRule PaletteRule() {
    const ChoiceSet set = FromRows(PaletteChoices());
    return Choice("Output", "palette", 0, "PAL", set,
                  words::Filled(shown::translate("CommandLine",
                                                 "colours of 4- and 8-bit BMP: fixed (the standard "
                                                 "table) or adaptive (the photo's own, by an "
                                                 "octree) (default %1)"),
                                {set.NameOf(BuiltInDefaultOutputPhotoFormat().nPalette)}),
                  [](CliOptions& o, int32_t x) { o.format.nPalette = x; });
}

}  // namespace cli
