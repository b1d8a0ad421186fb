# Each PNG icon is the size its hicolor folder says (a mis-sized icon is dropped or blurred by the
# icon caches): the width and height of the PNG header, bytes 16 to 23. -DICON_DIR=...
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${ICON_DIR}/zorvek-${size}.png)
  file(READ ${png} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${png}: a ${width} x ${height} image, not a ${size} x ${size} PNG")
  endif()
endforeach()
