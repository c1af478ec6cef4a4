// LightState: the lights and the material of lit surfaces. Up to eight point
// lights; positions of mode ABS are absolute 3-D coordinates.
#pragma once

struct LightState {
    int ilight = 0;                            // lighting off 0 / on 1
    float xglbamb[3] = {0.2f, 0.2f, 0.2f};     // global ambient light R, G, B
    int ilitmod[8] = {1, 0, 0, 0, 0, 0, 0, 0}; // light i on 1 / off 0
    float xlitamb[8][3] = {};                  // ambient intensity of light i
    float xlitdif[8][3] = {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1},
                           {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}}; // diffuse
    float xlitspc[8][3] = {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1},
                           {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}}; // specular
    float xlitcon[8] = {1, 1, 1, 1, 1, 1, 1, 1};                        // constant attenuation
    float xlitlin[8] = {};                                              // linear attenuation
    float xlitqua[8] = {};                                              // quadratic attenuation
    int ilitpos[8] = {1, 1, 1, 1, 1, 1, 1, 1}; // position mode: 1 ABS, 2 USER, 3 ANGL
    float xlitxyz[3][8] = {{4, 4, 4, 4, 4, 4, 4, 4},
                           {-5, -5, -5, -5, -5, -5, -5, -5},
                           {4, 4, 4, 4, 4, 4, 4, 4}}; // x of lights 1..8, then y, then z
    float xmatamb[3] = {0.2f, 0.2f, 0.2f};            // material: ambient reflectance
    float xmatdif[3] = {0.8f, 0.8f, 0.8f};            // diffuse reflectance
    float xmatspc[3] = {};                            // specular reflectance
    float xmatexp = 0.0f;                             // specular exponent
};
