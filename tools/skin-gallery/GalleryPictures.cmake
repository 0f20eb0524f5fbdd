# Draws every page of the skin gallery in one style into OUT/<page>.png, for
# the skinned library's guide and the README:
#   cmake -DGALLERY=<skin-gallery> -DOUT=<folder> -DSTYLE=<style> -P GalleryPictures.cmake
execute_process(COMMAND ${GALLERY} --list-pages OUTPUT_VARIABLE pages RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "skin-gallery --list-pages failed: ${status}")
endif()
string(REPLACE "\n" ";" pages "${pages}")
file(MAKE_DIRECTORY ${OUT})
foreach(page IN LISTS pages)
    if(page STREQUAL "")
        continue()
    endif()
    execute_process(
        COMMAND ${GALLERY} --page ${page} --style ${STYLE} --headless --screenshot ${OUT}/${page}.png
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "skin-gallery could not draw the page ${page}: ${status}")
    endif()
endforeach()
file(TOUCH ${OUT}/stamp)
