# CPack runs this before it packs a build configured without PAROLEX_INSTALLED_LAYOUT.
message(FATAL_ERROR "This build keeps setup.ini beside the program, which an installed program "
                    "must not do. Build the packages with scripts/package, or configure with "
                    "-DPAROLEX_INSTALLED_LAYOUT=ON.")
