#pragma once
// The pictures of the program are compiled into the app library; a static
// library's resources must be registered before the first picture is loaded.
void Kov_App_Init_Resources();
