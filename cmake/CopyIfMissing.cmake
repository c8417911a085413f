# cmake -DFROM=file -DTO=file -P CopyIfMissing.cmake: copies FROM to TO unless
# TO exists, so that a file the user changed is never replaced by a rebuild.
if(NOT EXISTS "${TO}")
    file(COPY_FILE "${FROM}" "${TO}")
endif()
