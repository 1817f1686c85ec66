# The maker's Ed25519 public key that update archives must be signed with, as
# "orvelsign keygen" prints it: the Base64 text of 32 bytes. A key the
# program cannot decode would build an updater that refuses every update, so
# the configure step refuses it instead; every build checks its updates, so
# an empty key is refused too.
#
# Included by the build; "cmake -DSORVANE_UPDATE_PUBLIC_KEY=... -P" runs the
# check alone.
# The example update server's public key, the default: its secret half is
# examples/update-server/demo-signing.key, for all to see.
set(SORVANE_EXAMPLE_UPDATE_KEY "y/YHPQbYbL+YNPYGPttqWzFf7vpLd9qm6MoH0NERFkk=")

function(sorvane_check_update_key key)
  string(LENGTH "${key}" length)
  # 32 bytes are 43 digits and one "="; the last digit carries 4 bits, so its
  # 2 low bits are 0 (libsodium refuses anything else).
  if(NOT length EQUAL 44 OR NOT key MATCHES "^[A-Za-z0-9+/]+[AEIMQUYcgkosw048]=$")
    message(FATAL_ERROR "SORVANE_UPDATE_PUBLIC_KEY \"${key}\" is no Ed25519 public key: it must be the Base64 "
                        "text of 32 bytes (44 characters ending in \"=\"), as \"orvelsign keygen\" prints it.")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  sorvane_check_update_key("${SORVANE_UPDATE_PUBLIC_KEY}")
endif()
