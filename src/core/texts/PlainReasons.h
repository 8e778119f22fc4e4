#pragma once
// Why a photo was not converted, in plain words: the common failures of the
// decoders, the encoders and the system, as libvips, libjpeg, libpng,
// libheif and the C library word them, mapped to a short sentence. The
// technical text stays beside it wherever there is room (the log, a
// tooltip); this is what a list or a summary shows.

#include <string>

// The plain sentence for a technical text ("the file is damaged or
// incomplete"), in English; empty when no row of the table matches. The
// sentences are marked for translation in the context "Reasons".
std::string PlainReason(const std::string& technical);
