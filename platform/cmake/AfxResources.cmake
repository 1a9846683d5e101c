# Bitmaps of a module, embedded at build time and registered under the module
# handle of the binary they are linked into (see afxresource.h):
#
#   afx_add_bitmap(tabulo_module 1714 ${CMAKE_CURRENT_SOURCE_DIR}/res/bitmap1714.bmp)
#
# The image file (BMP or PNG) becomes a byte array in a generated source file
# of the target, whose static registrar makes it the bitmap resource ID.
function(afx_add_bitmap target id file)
  get_filename_component(file "${file}" ABSOLUTE)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/afx_resources/${target}_bitmap_${id}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${out} -DID=${id}
            -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedBitmap.cmake
    DEPENDS "${file}" ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedBitmap.cmake
    COMMENT "Embedding bitmap ${id} from ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()
