# moc must run again when a file joins a target: Ninja's autogen step does not notice that by
# itself, so its stamp goes when the list of files changed since the last configure.
function(tolv_autogen_atual nome lista)
  set(arquivo_lista "${CMAKE_CURRENT_BINARY_DIR}/${nome}_fontes.txt")
  set(anterior "")
  if(EXISTS "${arquivo_lista}")
    file(READ "${arquivo_lista}" anterior)
  endif()
  if(NOT anterior STREQUAL lista)
    file(WRITE "${arquivo_lista}" "${lista}")
    file(REMOVE "${CMAKE_CURRENT_BINARY_DIR}/${nome}_autogen/timestamp")
  endif()
endfunction()

# A layer's headers are reached as "<layer>/X.h" only through an include folder of its own in the
# build tree, holding links to its sources; a target gets that folder only from the layers it
# links. So an include of a layer that is not linked fails to compile. EXCETO names entries of the
# source folder left out.
set(TOLV_PASTA_CABECALHOS "${CMAKE_BINARY_DIR}/camadas")
function(tolv_cabecalhos alvo prefixo origem)
  cmake_parse_arguments(A "" "" "EXCETO" ${ARGN})
  set(destino "${TOLV_PASTA_CABECALHOS}/${alvo}")
  file(MAKE_DIRECTORY "${destino}")
  if(NOT A_EXCETO)
    if(IS_SYMLINK "${destino}/${prefixo}")
      file(REMOVE "${destino}/${prefixo}")
    endif()
    file(CREATE_LINK "${origem}" "${destino}/${prefixo}" SYMBOLIC)
  else()
    # A layer that was linked whole before: its link goes first, or the links below would be made
    # through it, over the sources themselves.
    if(IS_SYMLINK "${destino}/${prefixo}")
      file(REMOVE "${destino}/${prefixo}")
    endif()
    # Only the links go, one by one: never a recursive removal through a link into the sources.
    file(GLOB antigos LIST_DIRECTORIES true "${destino}/${prefixo}/*")
    foreach(a IN LISTS antigos)
      if(IS_SYMLINK "${a}")
        file(REMOVE "${a}")
      endif()
    endforeach()
    file(MAKE_DIRECTORY "${destino}/${prefixo}")
    file(GLOB entradas LIST_DIRECTORIES true RELATIVE "${origem}" "${origem}/*")
    foreach(e IN LISTS entradas)
      if(e STREQUAL "CMakeLists.txt" OR e IN_LIST A_EXCETO)
        continue()
      endif()
      file(CREATE_LINK "${origem}/${e}" "${destino}/${prefixo}/${e}" SYMBOLIC)
    endforeach()
  endif()
  get_target_property(tipo ${alvo} TYPE)
  if(tipo STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${alvo} INTERFACE "${destino}")
  else()
    target_include_directories(${alvo} PUBLIC "${destino}")
  endif()
endfunction()

# What each layer links, for the include check (tests/CMakeLists.txt).
function(tolv_registra_camada nome)
  list(JOIN ARGN "," deps)
  set_property(GLOBAL APPEND PROPERTY TOLV_CAMADAS "${nome}:${deps}")
endfunction()

# A layer whose sources never include widgets, whatever it links (its widgets live in its gui/
# library): the include check holds it to that.
function(tolv_camada_sem_widgets nome)
  set_property(GLOBAL APPEND PROPERTY TOLV_CAMADAS_SEM_WIDGETS "${nome}")
endfunction()

# One static library per layer, made of every source file of its folder.
# A layer links only what stands below it: DEPENDE for the layers (and Qt modules) that its
# public headers use, PRIVADO for what only its sources use.
function(tolv_camada nome)
  cmake_parse_arguments(A "" "" "DEPENDE;PRIVADO" ${ARGN})
  file(GLOB_RECURSE fontes CONFIGURE_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h"
    "${CMAKE_CURRENT_SOURCE_DIR}/*.qrc")
  list(FILTER fontes INCLUDE REGEX "\\.(cpp|qrc)$")
  if(fontes)
    file(GLOB_RECURSE cabecalhos CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    add_library(${nome} STATIC ${fontes} ${cabecalhos})
    tolv_autogen_atual(${nome} "${fontes};${cabecalhos}")
    target_link_libraries(${nome} PUBLIC ${A_DEPENDE} PRIVATE ${A_PRIVADO})
  else()
    add_library(${nome} INTERFACE)
    target_link_libraries(${nome} INTERFACE ${A_DEPENDE} ${A_PRIVADO})
  endif()
  tolv_cabecalhos(${nome} ${nome} "${CMAKE_CURRENT_SOURCE_DIR}")
  tolv_registra_camada(${nome} ${A_DEPENDE} ${A_PRIVADO})
endfunction()

# A layer in two libraries: its core, from every source of its folder but gui/, held to no
# widgets; and "<name>_gui", from gui/ (reached as "<name>/gui/..."), with the widgets, linked
# only by what stands above. DEPENDE/PRIVADO as tolv_camada, for the core; GUI_DEPENDE/GUI_PRIVADO
# for the gui library, which links the core publicly.
function(tolv_camada_com_gui nome)
  cmake_parse_arguments(A "" "" "DEPENDE;PRIVADO;GUI_DEPENDE;GUI_PRIVADO" ${ARGN})
  file(GLOB_RECURSE fontes CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  set(fontes_gui ${fontes})
  list(FILTER fontes EXCLUDE REGEX "/${nome}/gui/")
  list(FILTER fontes_gui INCLUDE REGEX "/${nome}/gui/")

  add_library(${nome} STATIC ${fontes})
  tolv_autogen_atual(${nome} "${fontes}")
  tolv_cabecalhos(${nome} ${nome} "${CMAKE_CURRENT_SOURCE_DIR}" EXCETO gui)
  target_link_libraries(${nome} PUBLIC ${A_DEPENDE} PRIVATE ${A_PRIVADO})
  tolv_registra_camada(${nome} ${A_DEPENDE} ${A_PRIVADO})
  tolv_camada_sem_widgets(${nome})

  if(fontes_gui)
    add_library(${nome}_gui STATIC ${fontes_gui})
    tolv_autogen_atual(${nome}_gui "${fontes_gui}")
    target_link_libraries(${nome}_gui PUBLIC ${nome} ${A_GUI_DEPENDE} PRIVATE ${A_GUI_PRIVADO})
  else()
    add_library(${nome}_gui INTERFACE)
    target_link_libraries(${nome}_gui INTERFACE ${nome} ${A_GUI_DEPENDE} ${A_GUI_PRIVADO})
  endif()
  file(MAKE_DIRECTORY "${TOLV_PASTA_CABECALHOS}/${nome}_gui/${nome}")
  tolv_cabecalhos(${nome}_gui ${nome}/gui "${CMAKE_CURRENT_SOURCE_DIR}/gui")
  tolv_registra_camada(${nome}_gui ${nome} ${A_GUI_DEPENDE} ${A_GUI_PRIVADO})
endfunction()

# One test program per folder of tests/, linking the layers it names and the test support.
# Each test case runs as its own CTest test; widgets run offscreen.
function(tolv_testes nome)
  cmake_parse_arguments(A "" "PASTA" "LIGA" ${ARGN})
  file(GLOB_RECURSE fontes CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${A_PASTA}/*.cpp")
  if(NOT fontes)
    return()
  endif()
  add_executable(${nome} ${fontes})
  target_link_libraries(${nome} PRIVATE ${A_LIGA} GTest::gtest GTest::gmock)
  target_compile_definitions(${nome} PRIVATE
    TOLV_BANCOS_CONSTRUIDOS="${TOLV_PASTA_PROGRAMA}/DADOS")
  add_dependencies(${nome} bancos)
  gtest_discover_tests(${nome} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
