# The layer line: each source folder may include and link only the folders before it (and itself).
# tests/<folder>/ follows the same rule as <folder>/. check_layers.cmake enforces it at build time.
set(PD_LAYERS
    engine/platform
    engine/render
    engine/audio
    engine/resources
    engine/text
    engine/frame
    engine/ui
    game/records
    game/board
    game/shell
    game/app)
