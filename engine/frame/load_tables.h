// LoadTables: the start-up reading of the tables the whole game reads.
#pragma once

// In order: resource.xml (written with the built-in content when missing), config.xml and
// strings.xml from the working folder. A missing strings.xml shows "strings.xml    LOST" and
// ends the process with exit code 0. The localised game name becomes the application's name.
void LoadTables();
