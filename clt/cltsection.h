#pragma once
// Cross-laminated timber: the cross-section record of a plate (a stack of up to
// 20 glued board layers running in the plate's x or y direction) and the
// operations that fill its section values and sum over its layers.
//
// Units: thicknesses and distances in mm; strengths and moduli in kN/m2 (the
// N/mm2 of the grade tables times 1000). Direction 0 is x ("x-Richtung"),
// 1 is y ("y-Richtung"); a layer of any other direction counts in no
// direction, but its thickness enters the sums over all layers.
//
// A layer_count outside 0..20 counts as a section without layers: no operation
// reads or writes a layer beyond layers[19].
//
// The sums read the values stored in the layers, so they are meaningful after
// Clt_Section_Values (or the catalogue build). Every operation accepts a null
// record: what it then returns is named at each declaration.

enum { CLT_MAX_LAYERS = 20, CLT_NAME_SIZE = 256 };

enum CltDirection { CLT_DIR_X = 0, CLT_DIR_Y = 1 };

struct CltLayer {
    int kind;                            // MaterialKind of the boards
    int grade;                           // grade index within the kind
    int direction;                       // 0 x, 1 y
    double t;                            // thickness
    double z;                            // mid-plane above the centroid of the last centroid computation
    double factor;                       // 1.0 in every catalogue layer; read by no operation
    double f_m;                          // f_m,k
    double f_t;                          // f_t,0,k
    double f_c;                          // f_c,0,k
    double f_c90;                        // f_c,90,k
    double f_v;                          // f_v,k
    double s_bottom_x, s_mid_x, s_top_x; // static moments of direction x
    double s_bottom_y, s_mid_y, s_top_y; // static moments of direction y
    double E;                            // E_0,mean
    double G;                            // G_mean
};

struct CltSection {
    char name[CLT_NAME_SIZE];        // product name
    int manufacturer;                // 0..7 in the catalogue
    int product;                     // index within the manufacturer
    int layer_count;                 // layers in use, 0..20
    int edge_glued;                  // non-zero: Clt_Sum_Gt takes the layers in full
    int flag_2;                      // 0 in every catalogue product; read by no operation
    int char_stays;                  // fire: charred layers stay in place (rate not doubled)
    double thickness;                // h; replaced by the layer sum when below 1 mm in magnitude
    double board_width_1;            // a1 of the board-width rule
    double board_width_2;            // a2 of the board-width rule
    double product_value_3;          // read by no operation
    double product_value_4;          // read by no operation
    double product_factor;           // product factor k
    double strength_factor;          // cross-layer strength of the plate check
    double product_value_7;          // read by no operation
    double rolling_shear_modulus;    // G_R; 0.01 or less stands for a missing value
    double shear_stiffness_sum;      // result: Clt_Sum_Gt
    double thickness_x;              // result: sum of the x layers
    double thickness_y;              // result: sum of the y layers
    double charring_rate;            // beta [mm/min]
    double shear_correction_x;       // result: kappa of direction x
    double shear_correction_y;       // result: kappa of direction y
    double centroid_x;               // result: depth of the x centroid below the top face
    double centroid_y;               // result: depth of the y centroid below the top face
    CltLayer layers[CLT_MAX_LAYERS]; // layer 0 is the top layer
};

// The number of layers the operations use: layer_count, or 0 when it lies
// outside 0..20 or the record is null.
inline int Clt_Used_Layers(const CltSection* s)
{
    if (!s || s->layer_count < 0 || s->layer_count > CLT_MAX_LAYERS) return 0;
    return s->layer_count;
}

// Shear modulus G° of a layer for bending in direction dir [kN/m2]: the
// layer's G in that direction; across it the section's rolling shear modulus
// G_R when above 0.01, else G/10.
inline double Clt_Layer_Shear_Modulus(const CltSection* s, const CltLayer* layer, int dir)
{
    if (layer->direction == dir) return layer->G;
    return s->rolling_shear_modulus > 0.01 ? s->rolling_shear_modulus : layer->G / 10.0;
}

// 1 when every layer in use has a finite thickness of 0 or more and a finite,
// non-negative E and G; 0 otherwise and for null. A layer of negative
// thickness or an undefined value describes no section: the section values,
// the stiffness values, the charring depth and the plate check refuse such a
// section with their failure results instead of computing from it.
int Clt_Layers_Valid(const CltSection* s);

// Fills every result field and the layers' material values from their kind,
// grade, direction and thickness: moduli and strengths (strength variant 1,
// parallel to the grain, no size factor), Clt_Sum_Gt, the thickness sums
// (thickness = thickness_x + thickness_y), the centroids with z from the x
// centroid, the static moments of both directions and both shear correction
// factors. Without layers the centroids and factors are not-a-number. Null:
// nothing.
void Clt_Section_Values(CltSection* s);
// The thickness when below 1 mm in magnitude becomes the sum of all layers;
// both centroids, and every layer's z from the x centroid. Without layers both
// centroids become not-a-number and nothing else changes; a direction without
// layers (or with E = 0 throughout) has a not-a-number centroid. Null: nothing.
void Clt_Centroids(CltSection* s);
// As Clt_Centroids, z from the y centroid when dir is not 0.
void Clt_Centroids_Dir(CltSection* s, int dir);
// The static moments of direction dir (0 or 1; any other value does nothing)
// from the stored z: negative inside the section, back to 0 at the bottom face
// when z refers to the centroid of the same direction. Null: nothing.
void Clt_Static_Moments(CltSection* s, int dir);

// Sum of G t 0.001 over all layers, times 0.25 unless edge-glued. 0 for null
// or no layers.
double Clt_Sum_Gt(const CltSection* s);
// Sum of t over the layers of direction dir. 0 for null or none.
double Clt_Sum_Thickness(const CltSection* s, int dir);
// Sum of t b^3 / 12 over the layers of direction dir. 0 for null or none.
double Clt_Sum_Lateral_Inertia(const CltSection* s, int dir, double b);
// Sum of t (t^2/12 + z^2) over the layers of direction dir [mm3 per mm]. 0 for
// null or none.
double Clt_Second_Moment(const CltSection* s, int dir);
// Sum of (t'^2/12 + z'^2) t' E over the layers of direction dir, t' and z' in
// metres. 0 for null or none.
double Clt_Bending_Stiffness(const CltSection* s, int dir);
// As Clt_Bending_Stiffness divided by E1, the modulus of the first layer of
// the direction from the top (not the stiffest one). 0 for null or none;
// infinite or not-a-number when E1 is 0.
double Clt_Transformed_Inertia(const CltSection* s, int dir);
// Sum of (E/1000) t 1000 over the layers of direction dir. 0 for null or none.
double Clt_Axial_Stiffness(const CltSection* s, int dir);
// Sum of G* t 1000 over all layers: G* = G/1000 in direction dir, for the
// other layers G_R/1000 when G_R is above 0.01, else G/10000. 0 for null or no
// layers.
double Clt_Shear_Rigidity(const CltSection* s, int dir);
// Sum of t G° / sum of t over all layers (G° = G in direction dir, else G_R
// or G/10 as above) [kN/m2]; not-a-number for null or no layers.
double Clt_Mean_Shear_Modulus(const CltSection* s, int dir);
// Sum of t G (t^2/6 + 2 z^2) over all layers. 0 for null or no layers.
double Clt_Torsion_Sum(const CltSection* s);
// Sum of t 500 over all layers. 0 for null or no layers.
double Clt_Weight_Sum(const CltSection* s);
