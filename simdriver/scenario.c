#include "scenario.h"

/* No C library here: the driver links against the kernel alone. */

#define MAX_WORDS 12

struct word {
    const char* text;
    size_t length;
};

struct line {
    struct word words[MAX_WORDS];
    unsigned count;
};

/* The error text under construction, always zero-terminated and bounded. */
struct error_text {
    char* buffer;
    size_t used;
};

static void error_append(struct error_text* e, const char* text, size_t length) {
    while (length-- > 0 && *text != '\0' && e->used + 1 < SCENARIO_ERROR_SIZE)
        e->buffer[e->used++] = *text++;
    e->buffer[e->used] = '\0';
}

static void error_append_text(struct error_text* e, const char* text) {
    error_append(e, text, (size_t)-1);
}

static void error_append_number(struct error_text* e, unsigned long value) {
    char digits[12];
    size_t n = 0;
    do {
        digits[sizeof digits - 1 - n++] = (char)('0' + value % 10);
        value /= 10;
    } while (value != 0 && n < sizeof digits);
    error_append(e, digits + sizeof digits - n, n);
}

static int fail(char* buffer, unsigned line_number, const char* reason, const struct word* w) {
    struct error_text e = {buffer, 0};
    buffer[0] = '\0';
    error_append_text(&e, "line ");
    error_append_number(&e, line_number);
    error_append_text(&e, ": ");
    error_append_text(&e, reason);
    if (w != NULL) {
        error_append_text(&e, " '");
        error_append(&e, w->text, w->length);
        error_append_text(&e, "'");
    }
    return 0;
}

static int word_is(const struct word* w, const char* text) {
    size_t i = 0;
    for (; i < w->length; ++i)
        if (text[i] != w->text[i]) return 0;
    return text[i] == '\0';
}

static void copy_bytes(unsigned char* to, const unsigned char* from, size_t count) {
    while (count-- > 0) *to++ = *from++;
}

static void store_le(unsigned char* p, unsigned long value, unsigned width) {
    unsigned i;
    for (i = 0; i < width; ++i) p[i] = (unsigned char)((value >> (8 * i)) & 0xFFu);
}

/* Splits the line at blanks and tabs; a '#' starts a comment. Returns 0 when it
 * holds more words than MAX_WORDS. */
static int split_line(const char* text, size_t length, struct line* out) {
    size_t i = 0;
    out->count = 0;
    while (i < length) {
        size_t start;
        if (text[i] == ' ' || text[i] == '\t' || text[i] == '\r') {
            ++i;
            continue;
        }
        if (text[i] == '#') break;
        if (out->count == MAX_WORDS) return 0;
        start = i;
        while (i < length && text[i] != ' ' && text[i] != '\t' && text[i] != '\r' &&
               text[i] != '#')
            ++i;
        out->words[out->count].text = text + start;
        out->words[out->count].length = i - start;
        ++out->count;
    }
    return 1;
}

/* A decimal or 0x-prefixed hexadecimal number no larger than max. */
static int parse_number(const struct word* w, unsigned long long max, unsigned long long* out) {
    size_t i = 0;
    unsigned base = 10;
    unsigned long long value = 0;
    if (w->length > 2 && w->text[0] == '0' && (w->text[1] == 'x' || w->text[1] == 'X')) {
        base = 16;
        i = 2;
    }
    if (i == w->length) return 0;
    for (; i < w->length; ++i) {
        const char c = w->text[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = (unsigned)(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = (unsigned)(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = (unsigned)(c - 'A' + 10);
        else
            return 0;
        value = value * base + digit;
        if (value > max) return 0;
    }
    *out = value;
    return 1;
}

/* A duration: a number of milliseconds, or with the suffix "ms" or "s". */
static int parse_duration(const struct word* w, unsigned long* out) {
    struct word digits = *w;
    unsigned long long scale = 1;
    unsigned long long value;
    if (digits.length > 2 && digits.text[digits.length - 2] == 'm' &&
        digits.text[digits.length - 1] == 's') {
        digits.length -= 2;
    } else if (digits.length > 1 && digits.text[digits.length - 1] == 's') {
        digits.length -= 1;
        scale = 1000;
    }
    if (!parse_number(&digits, 0xFFFFFFFFull / scale, &value) || value == 0) return 0;
    *out = (unsigned long)(value * scale);
    return 1;
}

/* An error-control or compression code: one non-digit character stands for its
 * own code, anything else is a number. */
static int parse_code(const struct word* w, unsigned long long* out) {
    if (w->length == 1 && !(w->text[0] >= '0' && w->text[0] <= '9')) {
        *out = (unsigned char)w->text[0];
        return 1;
    }
    return parse_number(w, 0xFFFFFFFFull, out);
}

static const struct {
    const char* name;
    unsigned long bit;
} signal_names[] = {
    {"DTR", 0x004}, {"RTS", 0x008}, {"DSR", 0x010}, {"CTS", 0x020},
    {"CD", 0x040},  {"OH", 0x080},  {"RING", 0x100},
};

/* signals NAME... | none | NUMBER */
static int parse_signals(const struct line* l, unsigned long* out, const struct word** bad) {
    unsigned i, k;
    unsigned long long number;
    *out = 0;
    if (l->count == 2 && word_is(&l->words[1], "none")) return 1;
    if (l->count == 2 && parse_number(&l->words[1], 0xFFFFFFFFull, &number)) {
        *out = (unsigned long)number;
        return 1;
    }
    if (l->count < 2) {
        *bad = NULL;
        return 0;
    }
    for (i = 1; i < l->count; ++i) {
        for (k = 0; k < sizeof signal_names / sizeof signal_names[0]; ++k)
            if (word_is(&l->words[i], signal_names[k].name)) break;
        if (k == sizeof signal_names / sizeof signal_names[0]) {
            *bad = &l->words[i];
            return 0;
        }
        *out |= signal_names[k].bit;
    }
    return 1;
}

/* refuse|short|long [status|statistics|rts]...: the listed requests, or all. */
static int parse_fault(const struct line* l, unsigned char answer, struct scenario_step* step,
                       const struct word** bad) {
    static const char* const request_names[SCENARIO_REQUEST_COUNT] = {"status", "statistics",
                                                                       "rts"};
    unsigned i, r;
    if (l->count == 1) {
        for (r = 0; r < SCENARIO_REQUEST_COUNT; ++r) step->answer[r] = answer;
        return 1;
    }
    for (i = 1; i < l->count; ++i) {
        for (r = 0; r < SCENARIO_REQUEST_COUNT; ++r)
            if (word_is(&l->words[i], request_names[r])) break;
        if (r == SCENARIO_REQUEST_COUNT) {
            *bad = &l->words[i];
            return 0;
        }
        step->answer[r] = answer;
    }
    return 1;
}

/* A field setting: its keyword, its record, offset and width of each value. */
struct field {
    const char* name;
    int in_statistics;
    unsigned offset;
    unsigned width; /* of each value; 2 or 4 bytes */
    unsigned values;
    int is_code;
    int is_signed;
};

static const struct field fields[] = {
    {"mode", 0, 2, 2, 1, 0, 0},        {"speed", 0, 8, 4, 1, 0, 1},
    {"errorcontrol", 0, 12, 4, 1, 1, 0}, {"compression", 0, 16, 4, 1, 1, 0},
    {"callstate", 0, 20, 2, 1, 0, 0},  {"modulation", 0, 22, 2, 1, 0, 0},
    {"reservedlow", 0, 0, 2, 1, 0, 0}, {"reservedhigh", 0, 24, 2, 1, 0, 0},
    {"dtetx", 1, 2, 2, 2, 0, 0},       {"dterx", 1, 6, 2, 2, 0, 0},
    {"dcetx", 1, 10, 2, 2, 0, 0},      {"dcerx", 1, 14, 2, 2, 0, 0},
    {"qin", 1, 18, 2, 2, 0, 0},        {"qout", 1, 22, 2, 2, 0, 0},
    {"tasker", 1, 26, 2, 2, 0, 0},     {"rts", 1, 30, 2, 2, 0, 0},
};

static const struct field* find_field(const struct word* w) {
    unsigned i;
    for (i = 0; i < sizeof fields / sizeof fields[0]; ++i)
        if (word_is(w, fields[i].name)) return &fields[i];
    return NULL;
}

/* Sets one field from the line's values. */
static int set_field(const struct field* f, const struct line* l, struct scenario_step* step,
                     const struct word** bad) {
    unsigned char* record = f->in_statistics ? step->statistics : step->status;
    const unsigned long long max = f->width == 2 ? 0xFFFFull : 0xFFFFFFFFull;
    unsigned i;
    *bad = NULL;
    if (l->count != 1 + f->values) return 0;
    for (i = 0; i < f->values; ++i) {
        const struct word* w = &l->words[1 + i];
        unsigned long long value;
        int ok;
        if (f->is_code) {
            ok = parse_code(w, &value);
        } else if (f->is_signed && w->length > 1 && w->text[0] == '-') {
            const struct word magnitude = {w->text + 1, w->length - 1};
            ok = parse_number(&magnitude, 0x80000000ull, &value);
            value = (0x100000000ull - value) & 0xFFFFFFFFull;
        } else {
            ok = parse_number(w, f->is_signed ? 0x7FFFFFFFull : max, &value);
        }
        if (!ok) {
            *bad = w;
            return 0;
        }
        store_le(record + f->offset + i * f->width, (unsigned long)value, f->width);
    }
    return 1;
}

/* Starts a new step that carries the previous step's records but none of its faults. */
static int begin_step(struct scenario* s, const struct line* l, unsigned line_number,
                      char* error) {
    struct scenario_step* step;
    unsigned r;
    if (l->count < 2) return fail(error, line_number, "step needs a duration", NULL);
    if (s->count == SCENARIO_MAX_STEPS) return fail(error, line_number, "too many steps", NULL);
    step = &s->steps[s->count];
    if (!parse_duration(&l->words[1], &step->duration_ms))
        return fail(error, line_number, "bad duration", &l->words[1]);
    if (s->count > 0) {
        const struct scenario_step* previous = &s->steps[s->count - 1];
        copy_bytes(step->status, previous->status, SCENARIO_STATUS_SIZE);
        copy_bytes(step->statistics, previous->statistics, SCENARIO_STATISTICS_SIZE);
    }
    for (r = 0; r < SCENARIO_REQUEST_COUNT; ++r) step->answer[r] = SCENARIO_ANSWER_NORMAL;
    step->gone = 0;
    s->total_ms += step->duration_ms;
    ++s->count;
    return 1;
}

static int parse_line(struct scenario* s, const struct line* l, unsigned line_number,
                      char* error) {
    const struct word* keyword = &l->words[0];
    const struct word* bad = NULL;
    struct scenario_step* step;
    const struct field* f;
    unsigned long signals;

    if (word_is(keyword, "step")) return begin_step(s, l, line_number, error);
    if (word_is(keyword, "loop")) {
        if (l->count != 1) return fail(error, line_number, "loop takes nothing", NULL);
        s->loop = 1;
        return 1;
    }
    if (s->count == 0) return fail(error, line_number, "setting before any step", keyword);
    step = &s->steps[s->count - 1];

    if (word_is(keyword, "signals")) {
        if (!parse_signals(l, &signals, &bad))
            return fail(error, line_number, "bad signals", bad);
        store_le(step->status + 4, signals, 4);
        return 1;
    }
    if (word_is(keyword, "gone")) {
        if (l->count != 1) return fail(error, line_number, "gone takes nothing", NULL);
        step->gone = 1;
        return 1;
    }
    if (word_is(keyword, "refuse") || word_is(keyword, "short") || word_is(keyword, "long")) {
        const unsigned char answer = word_is(keyword, "refuse")  ? SCENARIO_ANSWER_REFUSE
                                     : word_is(keyword, "short") ? SCENARIO_ANSWER_SHORT
                                                                 : SCENARIO_ANSWER_LONG;
        if (!parse_fault(l, answer, step, &bad))
            return fail(error, line_number, "unknown request", bad);
        return 1;
    }
    f = find_field(keyword);
    if (f == NULL) return fail(error, line_number, "unknown setting", keyword);
    if (!set_field(f, l, step, &bad)) {
        if (bad != NULL) return fail(error, line_number, "bad value", bad);
        return fail(error, line_number,
                    f->values == 1 ? "needs one value:" : "needs two values:", keyword);
    }
    return 1;
}

int scenario_parse(const char* text, size_t length, struct scenario* out,
                   char error[SCENARIO_ERROR_SIZE]) {
    size_t start = 0;
    unsigned line_number = 0;
    unsigned char* raw = (unsigned char*)out;
    size_t i;
    for (i = 0; i < sizeof *out; ++i) raw[i] = 0;
    error[0] = '\0';

    while (start < length) {
        size_t end = start;
        struct line l;
        while (end < length && text[end] != '\n') ++end;
        ++line_number;
        if (!split_line(text + start, end - start, &l))
            return fail(error, line_number, "too many words", NULL);
        if (l.count > 0 && !parse_line(out, &l, line_number, error)) return 0;
        start = end + 1;
    }
    if (out->count == 0) return fail(error, line_number, "no steps", NULL);
    return 1;
}

/* Where elapsed_ms falls: the step's index and the milliseconds left in it
 * (0 when the last step of a scenario that does not loop holds for ever). */
static unsigned locate(const struct scenario* s, unsigned long long elapsed_ms,
                       unsigned long long* left_ms) {
    unsigned i;
    if (s->loop) {
        elapsed_ms %= s->total_ms;
    } else if (elapsed_ms >= s->total_ms - s->steps[s->count - 1].duration_ms) {
        *left_ms = 0;
        return s->count - 1;
    }
    for (i = 0; i < s->count; ++i) {
        if (elapsed_ms < s->steps[i].duration_ms) break;
        elapsed_ms -= s->steps[i].duration_ms;
    }
    *left_ms = s->steps[i].duration_ms - elapsed_ms;
    return i;
}

const struct scenario_step* scenario_step_at(const struct scenario* scenario,
                                             unsigned long long elapsed_ms) {
    unsigned long long left;
    return &scenario->steps[locate(scenario, elapsed_ms, &left)];
}

unsigned long long scenario_time_to_next_step(const struct scenario* scenario,
                                              unsigned long long elapsed_ms) {
    unsigned long long left;
    locate(scenario, elapsed_ms, &left);
    return left;
}

unsigned scenario_record_size(enum scenario_request request) {
    static const unsigned sizes[SCENARIO_REQUEST_COUNT] = {
        SCENARIO_STATUS_SIZE, SCENARIO_STATISTICS_SIZE, SCENARIO_RTS_SIZE};
    return sizes[request];
}

unsigned scenario_answer_size(const struct scenario_step* step, enum scenario_request request) {
    const unsigned size = scenario_record_size(request);
    switch (step->answer[request]) {
    case SCENARIO_ANSWER_REFUSE: return 0;
    case SCENARIO_ANSWER_SHORT: return size - 1;
    case SCENARIO_ANSWER_LONG: return size + 1;
    default: return size;
    }
}
