# The plan author's machinery: molecules and their layouts, the exact solver,
# designed boards and the generator. Plain C++ on top of the core; shared by
# tarvik-plans, its tests and its benchmarks.
if(NOT TARGET tarvik_plan_generation)
  add_library(tarvik_plan_generation STATIC
    ${CMAKE_CURRENT_LIST_DIR}/molecules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/molecules_library.cpp
    ${CMAKE_CURRENT_LIST_DIR}/molecules_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/solver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_model.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_bound.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_distances.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_perimeter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search_dense_index.cpp
    ${CMAKE_CURRENT_LIST_DIR}/solver_dense.cpp
    ${CMAKE_CURRENT_LIST_DIR}/solver_bfs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/boards.cpp
    ${CMAKE_CURRENT_LIST_DIR}/generator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/backward_search.cpp
    ${CMAKE_CURRENT_LIST_DIR}/maze_boards.cpp
    ${CMAKE_CURRENT_LIST_DIR}/deep_generator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/start_climb.cpp
    ${CMAKE_CURRENT_LIST_DIR}/generator_set.cpp
    ${CMAKE_CURRENT_LIST_DIR}/generator_source.cpp
    ${CMAKE_CURRENT_LIST_DIR}/solver_record.cpp)
  target_include_directories(tarvik_plan_generation PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR})
  target_link_libraries(tarvik_plan_generation PUBLIC tarvik_core)
endif()
