/* The simulated driver's scenario: a timeline of steps, each holding the status
 * and statistics records the driver answers with and the faults it plays while
 * the step lasts. Parsing and the timeline are plain C without a C library, so
 * that the same code runs inside the driver and in the tests. The text format
 * is described in README.md beside this file. */
#ifndef QOR_SIM_SCENARIO_H
#define QOR_SIM_SCENARIO_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#define SCENARIO_MAX_STEPS 64
#define SCENARIO_STATUS_SIZE 26
#define SCENARIO_STATISTICS_SIZE 34
#define SCENARIO_RTS_SIZE 10
/* Room for one error line, with its zero. */
#define SCENARIO_ERROR_SIZE 96

/* The three requests the driver answers, in request-code order. */
enum scenario_request {
    SCENARIO_REQUEST_STATUS,
    SCENARIO_REQUEST_STATISTICS,
    SCENARIO_REQUEST_RTS,
    SCENARIO_REQUEST_COUNT
};

/* How one request is answered during a step. */
enum scenario_answer {
    SCENARIO_ANSWER_NORMAL, /* the full record */
    SCENARIO_ANSWER_REFUSE, /* the request fails */
    SCENARIO_ANSWER_SHORT,  /* one byte fewer than the record */
    SCENARIO_ANSWER_LONG    /* one byte more than the record */
};

struct scenario_step {
    unsigned long duration_ms; /* at least 1 */
    unsigned char status[SCENARIO_STATUS_SIZE];
    unsigned char statistics[SCENARIO_STATISTICS_SIZE];
    unsigned char answer[SCENARIO_REQUEST_COUNT]; /* enum scenario_answer */
    int gone; /* the device's DOS link is removed: opens fail, requests are refused */
};

struct scenario {
    struct scenario_step steps[SCENARIO_MAX_STEPS];
    unsigned count;
    int loop; /* play again from the first step after the last; else the last holds */
    unsigned long long total_ms;
};

/* Parses text (length bytes, need not end with a zero) into *out. Returns 1, or 0
 * with *out unusable and a one-line reason ("line N: ...") in error. */
int scenario_parse(const char* text, size_t length, struct scenario* out,
                   char error[SCENARIO_ERROR_SIZE]);

/* The step in force elapsed_ms after the scenario started. */
const struct scenario_step* scenario_step_at(const struct scenario* scenario,
                                             unsigned long long elapsed_ms);

/* Milliseconds from elapsed_ms until the step in force changes; 0 when it never
 * changes again (the last step of a scenario that does not loop). */
unsigned long long scenario_time_to_next_step(const struct scenario* scenario,
                                              unsigned long long elapsed_ms);

/* The size of the record that answers request: 26, 34 or 10 bytes. */
unsigned scenario_record_size(enum scenario_request request);

/* The byte count of the answer to request during step (0 when refused). */
unsigned scenario_answer_size(const struct scenario_step* step, enum scenario_request request);

#ifdef __cplusplus
}
#endif

#endif
