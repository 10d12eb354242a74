#pragma once
// Numbers of the library's resources and of the controls of its dialog templates.
