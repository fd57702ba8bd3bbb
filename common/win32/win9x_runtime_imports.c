/* The posix-thread runtime that every program links statically (its unwinder and
 * its mutexes) imports kernel functions that Windows 95 and 98 do not have:
 * GetTickCount64, TryEnterCriticalSection, AddVectoredExceptionHandler and
 * RemoveVectoredExceptionHandler. The loader there refuses a program with an
 * import it cannot find. These definitions take the place of the import entries,
 * so the programs import none of them and run the same stand-ins on every system.
 *
 * The stand-ins are sound for these programs: each has one thread, so a critical
 * section is never contended, and the runtime only adds a vectored handler to
 * name threads for a debugger. Link this object into each program directly (an
 * object library): the references arise late in the link, from the runtime. */
#include <windows.h>

static ULONGLONG WINAPI TickCount64(void) {
    /* Only the runtime's timed waits use it; the 49-day wrap of the 32-bit count
     * cannot matter to a wait in a single-threaded program. */
    return GetTickCount();
}

static BOOL WINAPI TryEnterCriticalSectionOnce(LPCRITICAL_SECTION section) {
    EnterCriticalSection(section);
    return TRUE;
}

static PVOID WINAPI NoVectoredHandler(ULONG first, PVECTORED_EXCEPTION_HANDLER handler) {
    (void)first;
    (void)handler;
    return NULL;
}

static ULONG WINAPI NoVectoredHandlerRemoved(PVOID handle) {
    (void)handle;
    return 0;
}

ULONGLONG(WINAPI* const imp_GetTickCount64)(void) __asm__("__imp__GetTickCount64@0") =
    TickCount64;
BOOL(WINAPI* const imp_TryEnterCriticalSection)(LPCRITICAL_SECTION)
    __asm__("__imp__TryEnterCriticalSection@4") = TryEnterCriticalSectionOnce;
PVOID(WINAPI* const imp_AddVectoredExceptionHandler)(ULONG, PVECTORED_EXCEPTION_HANDLER)
    __asm__("__imp__AddVectoredExceptionHandler@8") = NoVectoredHandler;
ULONG(WINAPI* const imp_RemoveVectoredExceptionHandler)(PVOID)
    __asm__("__imp__RemoveVectoredExceptionHandler@4") = NoVectoredHandlerRemoved;
