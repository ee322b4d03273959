# Renders one SVG source to a real JPEG (the game loads some items by a .jpg name): SVG -> PNG -> PNM -> JPEG.
# Arguments: -DRSVG= -DPNGTOPNM= -DCJPEG= -DSOURCE= -DOUTPUT=
execute_process(
    COMMAND ${RSVG} ${SOURCE}
    COMMAND ${PNGTOPNM}
    COMMAND ${CJPEG} -quality 92 -optimize
    OUTPUT_FILE ${OUTPUT}.part
    RESULTS_VARIABLE results)
foreach(result ${results})
    if(NOT result EQUAL 0)
        file(REMOVE ${OUTPUT}.part)
        message(FATAL_ERROR "rendering ${SOURCE} to JPEG failed: ${results}")
    endif()
endforeach()
file(RENAME ${OUTPUT}.part ${OUTPUT})
