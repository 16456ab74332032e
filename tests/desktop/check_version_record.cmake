# cmake -DPROGRAM=path -DPRODUCT=name -DVERSION=x.yy -P check_version_record.cmake
# Reads a program file's version record the way a user would, without
# running the program, and checks each field.
file(STRINGS "${PROGRAM}" lines REGEX "^(CompanyName|ProductName|FileVersion|ProductVersion|OriginalFilename)=")
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
