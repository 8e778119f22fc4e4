#pragma once
// One LibRaw parser over one RAW file, with the damage its reads met. For
// the imaging layer's RAW files only.

#include <cstdint>
#include <memory>
#include <string>

#include <libraw/libraw.h>

#include "imaging/RawFile.h"
#include "imaging/RawStream.h"

// LibRaw's object is large and slow to make: each thread keeps one and
// recycles it between files, so that adding a thousand RAW files does not
// make a thousand of them. A reader made while another is open on the same
// thread gets an object of its own.
class RawReader {
public:
    RawReader();
    ~RawReader();
    RawReader(const RawReader&) = delete;
    RawReader& operator=(const RawReader&) = delete;

    // Parses the headers of the file at path, open at fd: LIBRAW_SUCCESS, or
    // LibRaw's code (LIBRAW_FILE_UNSUPPORTED for what is no RAW, MayBeRaw's
    // refusals among them).
    int Open(const std::string& path, int fd);
    void Facts(RawFacts& facts) const;
    // The flip turns the picture by a quarter.
    bool QuarterTurned() const;
    bool RawDataCut() const;
    // What LibRaw met while it read the raw data ("the raw data is
    // incomplete"), empty when nothing: LibRaw carries on over such damage.
    std::string DataProblem() const;
    LibRaw& Raw() { return *raw_; }
    const LibRaw& Raw() const { return *raw_; }

private:
    static void DataError(void* self, const char* file, const int offset);

    std::unique_ptr<LibRaw> raw_;
    std::unique_ptr<RawStream> stream_;  // the open file's, for raw_
    uint64_t fileBytes_ = 0;
    bool truncated_ = false;
    bool damaged_ = false;
};
