"""Templates that draw the game's interface art as SVG sources."""
