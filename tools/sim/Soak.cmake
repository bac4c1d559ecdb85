# SPDX-License-Identifier: MIT
# corvanel-soak (make soak): the final boss fight held for an hour of virtual
# time. Included from the top level after tools/sim.
add_executable(corvanel-soak
  ${CMAKE_CURRENT_LIST_DIR}/SoakMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoakPilot.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SoakWatch.cpp)
target_link_libraries(corvanel-soak PRIVATE corvanel_simkit)
add_dependencies(corvanel-soak assets)
