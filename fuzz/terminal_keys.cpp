// Fuzz target: the bytes a terminal sends to the interactive host, through
// its key decoder: legacy escape sequences and the progressive keyboard
// protocol's "CSI ... u" with fields out of range, mouse reports, control
// bytes and UTF-8, each cut anywhere between two reads. Cutting must not
// change what is decoded: the events of the pieces, fed one by one, are the
// events of the whole fed at once; and a flush leaves nothing pending.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "key_decoder.h"  // of tools/tolvik_host
#include "require.h"

namespace {

using tolvik::tools::key_decoder;
using tolvik::tools::terminal_event;

std::string describe(const std::vector<terminal_event>& events) {
    std::string out;
    for (const terminal_event& e : events)
        out += std::to_string(static_cast<int>(e.what)) + ":" + std::to_string(e.code) + " ";
    return out;
}

bool same(const std::vector<terminal_event>& a, const std::vector<terminal_event>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].what != b[i].what || a[i].code != b[i].code) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using tolvik::fuzz::fail;
    using tolvik::fuzz::require;
    FuzzedDataProvider in(data, size);
    // The cuts come from the input's last bytes, the terminal's bytes from
    // the rest; each piece is its own heap block, so that a read past a
    // piece is caught.
    uint32_t cuts = in.ConsumeIntegral<uint32_t>();
    std::string stream = in.ConsumeRemainingBytesAsString();

    key_decoder whole;
    std::vector<terminal_event> expected;
    whole.feed(stream, expected);

    key_decoder pieces;
    std::vector<terminal_event> got;
    size_t at = 0;
    while (at < stream.size()) {
        size_t length = 1 + cuts % 7;
        cuts = cuts * 1103515245u + 12345u;
        std::vector<char> piece(stream.begin() + static_cast<long>(at),
                                stream.begin() + static_cast<long>(std::min(stream.size(), at + length)));
        pieces.feed(std::string_view(piece.data(), piece.size()), got);
        at += piece.size();
    }
    if (!same(expected, got))
        fail("cut into pieces, the bytes decode as " + describe(got) + "instead of " + describe(expected));
    require(whole.pending() == pieces.pending(), "one decoder waits for more bytes, the other does not");

    whole.flush(expected);
    require(!whole.pending(), "a flush left bytes pending");
    for (const terminal_event& e : expected)
        if (e.what == terminal_event::kind::key && e.code == 0)
            fail("a key event without a key: " + describe(expected));
    return 0;
}
