#include "dialog/list_line.h"

#include <cstring>

#include "dialog/text.h"
#include "host/text_field.h"

namespace tolvik {
namespace {

// Appends into a fixed line, silently dropping whatever does not fit.
class line_writer {
public:
    explicit line_writer(char (&out)[list_text_size]) : out_(out) {}

    void put(char c) {
        if (at_ < limit) out_[at_++] = c;
    }
    void put(const char* text, size_t n) {
        if (n > limit - at_) n = limit - at_;
        std::memcpy(out_ + at_, text, n);
        at_ += n;
    }
    void pad(size_t n) {
        if (n > limit - at_) n = limit - at_;
        std::memset(out_ + at_, ' ', n);
        at_ += n;
    }
    // `text` left-aligned, cut and padded to exactly `width` columns.
    void column(const char* text, int width) {
        size_t w = width > 0 ? static_cast<size_t>(width) : 0;
        size_t n = field_length(text, w);
        put(text ? text : "", n);
        pad(w - n);
    }
    size_t finish() {
        out_[at_] = '\0';
        return at_;
    }

private:
    static constexpr size_t limit = list_text_size - 1;
    char (&out_)[list_text_size];
    size_t at_ = 0;
};

}  // namespace

int digit_count(int n) noexcept {
    unsigned magnitude = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
    int digits = n < 0 ? 2 : 1;
    while (magnitude >= 10) {
        magnitude /= 10;
        ++digits;
    }
    return digits;
}

size_t format_list_line(char (&out)[list_text_size], const line_fields& f) noexcept {
    line_writer line(out);

    char number[16];
    int len = digit_count(f.number);
    unsigned magnitude =
        f.number < 0 ? 0u - static_cast<unsigned>(f.number) : static_cast<unsigned>(f.number);
    for (int i = len - 1; i >= 0; --i) {
        number[i] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    if (f.number < 0) number[0] = '-';
    if (f.digits > len) line.pad(static_cast<size_t>(f.digits - len));
    line.put(number, static_cast<size_t>(len));

    line.put(f.valid_mark);
    line.put(' ');
    line.column(f.label, f.label_width);
    line.put(' ');
    line.put(f.side_mark);
    line.put(' ');
    line.column(f.path, f.path_width);
    line.put(' ');
    return line.finish();
}

}  // namespace tolvik
