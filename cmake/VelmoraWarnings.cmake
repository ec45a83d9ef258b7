# Warnings are errors everywhere; the sanitizer preset adds its flags here too.
add_library(velmora_warnings INTERFACE)
target_compile_options(velmora_warnings INTERFACE -Wall -Wextra -Werror)

option(VELMORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VELMORA_SANITIZE)
  target_compile_options(velmora_warnings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                    -fno-sanitize-recover=undefined)
  target_link_options(velmora_warnings INTERFACE -fsanitize=address,undefined)
endif()
