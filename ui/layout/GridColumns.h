#pragma once

class DataGrid;
class PictureList;

// Columns and looks of the four grids as designed.
void setUpFrevoGrid(DataGrid& grid, const PictureList* images);
void setUpActionGrid(DataGrid& grid, const PictureList* images);
void setUpVehicleGrid(DataGrid& grid, const PictureList* images);
void setUpSearchGrid(DataGrid& grid, const PictureList* images);
