# Puts the page together beside the program (calculator.js, calculator.wasm):
#   cmake -DSOURCE=<repository> -DPAGE=<platform/web> -DSITE=<folder> -P site.cmake
# The Tahoma face comes from Debian's fonts-wine, with its licence; it is not kept in the
# repository.
foreach(file index.html manifest.webmanifest)
  configure_file(${PAGE}/${file} ${SITE}/${file} COPYONLY)
endforeach()
foreach(file vdats.tst m9.gif m8.gif)
  configure_file(${SOURCE}/data/${file} ${SITE}/${file} COPYONLY)
endforeach()
set(icons ${SOURCE}/packaging/icons/hicolor)
configure_file(${icons}/128x128/apps/example.quenmar.AviationCalculator.png ${SITE}/icon-128.png COPYONLY)
configure_file(${icons}/256x256/apps/example.quenmar.AviationCalculator.png ${SITE}/icon-256.png COPYONLY)
set(fonts /usr/share/wine/fonts)
if(NOT EXISTS ${fonts}/tahoma.ttf OR NOT EXISTS ${fonts}/tahomabd.ttf)
  message(FATAL_ERROR "The Tahoma face of fonts-wine is missing (apt-get install fonts-wine)")
endif()
configure_file(${fonts}/tahoma.ttf ${SITE}/tahoma.ttf COPYONLY)
configure_file(${fonts}/tahomabd.ttf ${SITE}/tahomabd.ttf COPYONLY)
configure_file(/usr/share/doc/fonts-wine/copyright ${SITE}/tahoma-licence.txt COPYONLY)

# Every file the page needs, cached at the first visit; the version is their hash.
set(files index.html calculator.js calculator.wasm tahoma.ttf tahomabd.ttf vdats.tst m9.gif
    m8.gif manifest.webmanifest icon-128.png icon-256.png)
set(hashes "")
foreach(file ${files})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND hashes ${hash})
endforeach()
string(SHA256 VERSION "${hashes}")
string(SUBSTRING ${VERSION} 0 16 VERSION)
list(JOIN files "', '" FILES)
configure_file(${PAGE}/sw.js.in ${SITE}/sw.js @ONLY)
