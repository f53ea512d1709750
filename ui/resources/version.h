/* ui/resources/version.h
   The program file's version numbers, defined once for the .rc file and the code. */
#pragma once

#define VELQUOR_VERSION_NUMBERS 1, 0, 0, 0
#define VELQUOR_VERSION_TEXT "1.0.0.0"
#define VELQUOR_NAME "Velquor"
