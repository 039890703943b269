// setenv and unsetenv, which MinGW-w64's C library lacks, over the CRT's _putenv_s: the test
// suite sets and clears variables with them. Force-included in the Windows build of the tests
// only (packaging/windows/CMakeLists.txt).
#pragma once

#include <stdlib.h>

inline int setenv(const char* nom, const char* valeur, int remplace) {
    if (!remplace && getenv(nom) != nullptr) {
        return 0;
    }
    return _putenv_s(nom, valeur);
}

// An empty value removes the variable.
inline int unsetenv(const char* nom) {
    return _putenv_s(nom, "");
}
