# cmake -DPROGRAM=path -DPRODUCT=name -DVERSION=x.yy -P check_version_record.cmake
# Reads a program file's version record the way a user would, without
# running the program, and checks each field.
# Read the record's own section where objcopy can cut it out: a debug build
# also keeps a copy of the text in its debug information, and the bytes just
# before the section may be printable and run into the first line.
set(source "${PROGRAM}")
find_program(OBJCOPY objcopy)
if(OBJCOPY)
    get_filename_component(program_name "${PROGRAM}" NAME)
    set(source "${CMAKE_CURRENT_BINARY_DIR}/${program_name}.version-record")
    execute_process(COMMAND "${OBJCOPY}" -O binary --only-section=.vantorel.version
                            "${PROGRAM}" "${source}" RESULT_VARIABLE failed)
    if(failed)
        set(source "${PROGRAM}")
    endif()
endif()
file(STRINGS "${source}" lines REGEX "^(CompanyName|ProductName|FileVersion|ProductVersion|OriginalFilename)=")
get_filename_component(name "${PROGRAM}" NAME_WE)
foreach(expected IN ITEMS
        "CompanyName=Quabrix International" "ProductName=${PRODUCT}"
        "FileVersion=${VERSION}" "ProductVersion=${VERSION}" "OriginalFilename=${name}")
    list(FIND lines "${expected}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${PROGRAM} does not carry \"${expected}\"; it has: ${lines}")
    endif()
endforeach()
list(LENGTH lines count)
if(NOT count EQUAL 5)
    message(FATAL_ERROR "${PROGRAM} carries ${count} record lines instead of 5: ${lines}")
endif()
