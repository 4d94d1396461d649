/* Lists what Windows' clipboard holds, one format a line: its name (or number, for the
 * system's own formats) and its content in hexadecimal, at most 32 bytes of it.
 *   clipboard-formats.exe
 * The wine checks of tests/windows read it after the program has put a password there. */
#include <cstdio>
#include <windows.h>

int main(void)
{
    UINT format = 0;
    if (!OpenClipboard(nullptr)) {
        fprintf(stderr, "clipboard-formats: cannot open the clipboard (%lu)\n", static_cast<unsigned long>(GetLastError()));
        return 1;
    }
    while ((format = EnumClipboardFormats(format)) != 0) {
        char name[256];
        if (GetClipboardFormatNameA(format, name, sizeof name) > 0)
            printf("%s", name);
        else
            printf("#%u", format);
        printf(" =");
        /* Only formats of a name carry bytes this check reads; the system's own may be
         * rendered from others on request, and text would print the password. */
        if (format >= 0xC000) {
            HANDLE data = GetClipboardData(format);
            const auto *bytes = static_cast<const unsigned char *>(data ? GlobalLock(data) : nullptr);
            if (bytes) {
                SIZE_T size = GlobalSize(data);
                for (SIZE_T i = 0; i < size && i < 32; ++i)
                    printf(" %02x", bytes[i]);
                GlobalUnlock(data);
            }
        }
        printf("\n");
    }
    CloseClipboard();
    return 0;
}
