$pareto << EOD
0 "255" 1.9084 14.455 40.792
0 "240" 1.7237 14.79 42.438
0 "200" 1.6581 15.315 46.956
0 "150" 1.6553 15.407 51.921
0 "100" 1.6512 15.407 53.581
0 "50" 1.6241 15.407 55.008
0 "0" 1.6305 15.407 56.306
1 "255" 1.2785 0 0
1 "240" 1.2563 0 0
1 "200" 1.2408 0 0
1 "150" 1.2427 0 0
1 "100" 1.2343 0 0
1 "50" 1.2395 0 0
1 "0" 1.2092 0 0
2 "64" 0.42739 0 30.26
2 "128" 0.55515 0 28.099
2 "256" 0.69302 0 27.029
2 "640" 1.1812 0 27.003
3 "640" 7.2273 0 27.021
3 "160" 2.7079 0 28.274
4 "stop-and-wait" 21.749 0 100
4 "previous-frame" 21.853 3.4455 97.941
EOD
set terminal pngcairo size 1400,620 font ',10'
set output 'pareto.png'
set multiplot layout 1,2 title 'Culling-pass cost against what the pass gets wrong and what it removes (means over the angles; labels: configuration)'
set logscale x
set grid
set xlabel 'mean culling-pass cost (ms, log scale)'
set key outside bottom center horizontal
set bmargin 6
set yrange [0:*]
set offsets graph 0.02, graph 0.2, graph 0.05, 0
set ylabel 'mean false-cull share (% of the visible occludees)'
plot $pareto using ($1==0?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#c0392b' title 'hom', \
     $pareto using ($1==1?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#2471a3' title 'hom-conservative', \
     $pareto using ($1==2?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#229954' title 'cpu-depth', \
     $pareto using ($1==3?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#8e44ad' title 'gpu-hiz', \
     $pareto using ($1==4?$3:NaN):4 with points pt 7 ps 1.3 lc rgb '#d68910' title 'occlusion-query', \
     $pareto using 3:4:2 with labels offset char 0.6,0.6 left font ',8' notitle
set ylabel 'hideable occludees culled (% of those the occluders alone hide)'
plot $pareto using ($1==0?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#c0392b' title 'hom', \
     $pareto using ($1==1?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#2471a3' title 'hom-conservative', \
     $pareto using ($1==2?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#229954' title 'cpu-depth', \
     $pareto using ($1==3?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#8e44ad' title 'gpu-hiz', \
     $pareto using ($1==4?$3:NaN):5 with points pt 7 ps 1.3 lc rgb '#d68910' title 'occlusion-query', \
     $pareto using 3:5:2 with labels offset char 0.6,0.6 left font ',8' notitle
unset multiplot
unset logscale x
set offsets 0, 0, 0, 0
set bmargin
set datafile separator ','
set terminal pngcairo size 1900,720 font ',9'
set output 'culled-by-angle.png'
set multiplot title 'Occludees culled (top, of 110) and falsely culled (bottom, own axis) by fake camera angle'
set xrange [0:355]
set xtics 0,90,360
set mxtics 2
set grid
set key inside top left vertical opaque font ',7' samplen 1.5 spacing 0.85
set lmargin at screen 0.035789
set rmargin at screen 0.19579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'hom'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel 'occludees'
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '255' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '240' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '200' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '150' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '100' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '50' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '0' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '0'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:8]
set ylabel 'false culls'
plot 'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '255' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '240' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '200' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '150' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '100' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '50' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'angle':(strcol('method') eq 'hom' && strcol('config') eq '0' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '0'
set lmargin at screen 0.23579
set rmargin at screen 0.39579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'hom-conservative'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '255' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '240' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '200' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '150' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '100' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '50' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '0' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#34495e' title '0'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:8]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '255' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '255', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '240' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '240', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '200' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '200', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '150' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '150', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '100' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#d68910' title '100', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '50' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#17a589' title '50', \
     'results.csv' using 'angle':(strcol('method') eq 'hom-conservative' && strcol('config') eq '0' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#34495e' title '0'
set lmargin at screen 0.43579
set rmargin at screen 0.59579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'cpu-depth'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '64' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '64', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '128' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '128', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#229954' title '256', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#8e44ad' title '640'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:8]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '64' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '64', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '128' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '128', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '256' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#229954' title '256', \
     'results.csv' using 'angle':(strcol('method') eq 'cpu-depth' && strcol('config') eq '640' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#8e44ad' title '640'
set lmargin at screen 0.63579
set rmargin at screen 0.79579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'gpu-hiz'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '640' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title '640', \
     'results.csv' using 'angle':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '160' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title '160'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:8]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '640' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title '640', \
     'results.csv' using 'angle':(strcol('method') eq 'gpu-hiz' && strcol('config') eq '160' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title '160'
set lmargin at screen 0.83579
set rmargin at screen 0.99579
set tmargin at screen 0.90
set bmargin at screen 0.52
set title 'occlusion-query'
set xlabel ''
set format x ''
set yrange [0:114]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'oracle' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 1 lc rgb '#999999' title 'hidden', \
     'results.csv' using 'angle':(strcol('method') eq 'oracle-occluders' && strcol('config') eq '-' ? column('culled') : NaN) with lines lw 2 lc rgb '#555555' title 'hideable', \
     'results.csv' using 'angle':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'stop-and-wait' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#c0392b' title 'stop-and-wait', \
     'results.csv' using 'angle':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'previous-frame' ? column('culled') : NaN) with lines lw 1.5 lc rgb '#2471a3' title 'previous-frame'
set tmargin at screen 0.46
set bmargin at screen 0.08
set title ''
set xlabel 'angle (degrees)'
set format x '%g'
set yrange [0:8]
set ylabel ''
plot 'results.csv' using 'angle':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'stop-and-wait' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#c0392b' title 'stop-and-wait', \
     'results.csv' using 'angle':(strcol('method') eq 'occlusion-query' && strcol('config') eq 'previous-frame' ? column('falseCulls') : NaN) with linespoints pt 7 ps 0.4 lw 1.5 lc rgb '#2471a3' title 'previous-frame'
unset multiplot
unset title
set format x '%g'
unset xrange
set xtics autofreq
set lmargin
set rmargin
set tmargin
set bmargin
set autoscale y
set datafile separator whitespace
$cost0 << EOD
"draw-all" 0 0 0 0 12.456
"oracle" 0 0 0 0 2.5089
"oracle-occluders" 0 0 0 0 2.7439
"hom 255" 1.9158 0.052048 0.082945 0 4.6703
"hom 240" 1.6752 0.03773 0.082173 0 4.6703
"hom 200" 1.7393 0.039063 0.08081 0 4.4888
"hom 150" 1.6028 0.037149 0.081723 0 4.5568
"hom 100" 1.6705 0.038111 0.078366 0 3.9744
"hom 50" 1.5879 0.035917 0.077184 0 3.9744
"hom 0" 1.6256 0.035345 0.077474 0 3.9744
"hom-conservative 255" 1.2359 0.019356 0.017312 0.035495 12.456
"hom-conservative 240" 0.87435 0.01644 0.016501 0.026509 12.456
"hom-conservative 200" 0.90225 0.018966 0.018454 0.031188 12.456
"hom-conservative 150" 1.2534 0.018965 0.019457 0.031239 12.456
"hom-conservative 100" 1.2925 0.018976 0.018955 0.027802 12.456
"hom-conservative 50" 1.3169 0.019366 0.019516 0.028203 12.456
"hom-conservative 0" 1.2176 0.017232 0.018314 0.028073 12.456
"cpu-depth 64" 0.40943 0.002415 0.013685 0 6.7564
"cpu-depth 128" 0.52103 0.006933 0.0157 0 6.847
"cpu-depth 256" 0.6138 0.023333 0.015739 0 6.8844
"cpu-depth 640" 0.97415 0.16255 0.020658 0 6.4064
"gpu-hiz 640" 5.5371 0.83259 0.28531 0.060243 6.4064
"gpu-hiz 160" 2.3438 0.060202 0.059832 0.046316 6.0948
"occlusion-query stop-and-wait" 5.5731 16.554 0.018004 0 2.7439
"occlusion-query previous-frame" 0.026099 6.1326 15.64 0 2.7439
EOD
$cost120 << EOD
"draw-all" 0 0 0 0 13.434
"oracle" 0 0 0 0 2.1971
"oracle-occluders" 0 0 0 0 4.1612
"hom 255" 1.7895 0.047569 0.066043 0 5.6597
"hom 240" 1.5157 0.039353 0.081933 0 5.6597
"hom 200" 1.3886 0.03744 0.062196 0 2.4977
"hom 150" 1.277 0.0321 0.068698 0 2.4977
"hom 100" 1.3484 0.033713 0.079969 0 2.4226
"hom 50" 1.387 0.035015 0.058088 0 2.1973
"hom 0" 1.4112 0.034995 0.057998 0 2.1973
"hom-conservative 255" 1.2884 0.018885 0.019426 0.028734 13.434
"hom-conservative 240" 1.0564 0.016891 0.016601 0.025287 13.434
"hom-conservative 200" 0.83705 0.012203 0.014297 0.022231 13.434
"hom-conservative 150" 1.0726 0.014397 0.01597 0.023023 13.434
"hom-conservative 100" 0.90319 0.014667 0.015489 0.020739 13.434
"hom-conservative 50" 1.1235 0.01648 0.01587 0.022802 13.434
"hom-conservative 0" 0.89629 0.013645 0.015389 0.020669 13.434
"cpu-depth 64" 0.45821 0.002655 0.013155 0 6.3413
"cpu-depth 128" 0.49893 0.005279 0.014717 0 7.4406
"cpu-depth 256" 0.53374 0.018976 0.011882 0 7.4406
"cpu-depth 640" 0.8659 0.11875 0.015709 0 8.1627
"gpu-hiz 640" 5.6991 0.54548 0.24152 0.05405 8.1627
"gpu-hiz 160" 3.0621 0.037881 0.049492 0.046146 7.9961
"occlusion-query stop-and-wait" 6.2216 14.482 0.018254 0 4.1612
"occlusion-query previous-frame" 0.020438 6.0858 15.96 0 3.2228
EOD
$cost240 << EOD
"draw-all" 0 0 0 0 13.044
"oracle" 0 0 0 0 3.2114
"oracle-occluders" 0 0 0 0 3.5648
"hom 255" 1.4001 0.052768 0.082253 0 5.6369
"hom 240" 1.2621 0.032921 0.07517 0 5.6369
"hom 200" 1.0733 0.027692 0.057187 0 3.5723
"hom 150" 1.1984 0.040054 0.070972 0 3.5723
"hom 100" 1.5681 0.039023 0.07514 0 3.6999
"hom 50" 1.4761 0.039053 0.078065 0 2.5402
"hom 0" 1.5902 0.03774 0.076121 0 2.4396
"hom-conservative 255" 1.3125 0.018805 0.020248 0.034444 13.044
"hom-conservative 240" 1.2658 0.01595 0.019015 0.03211 13.044
"hom-conservative 200" 1.2771 0.016971 0.019225 0.030417 13.044
"hom-conservative 150" 1.2506 0.016531 0.019416 0.030426 13.044
"hom-conservative 100" 1.254 0.016561 0.018845 0.028082 13.044
"hom-conservative 50" 1.2508 0.016581 0.018374 0.026599 13.044
"hom-conservative 0" 1.1621 0.015499 0.017894 0.026589 13.044
"cpu-depth 64" 0.36166 0.002715 0.016311 0 7.3382
"cpu-depth 128" 0.39898 0.006993 0.014176 0 10.377
"cpu-depth 256" 0.63299 0.023784 0.016251 0 10.377
"cpu-depth 640" 1.0263 0.13773 0.019367 0 10.125
"gpu-hiz 640" 6.524 0.72041 0.25122 0.056375 10.125
"gpu-hiz 160" 1.984 0.046136 0.055484 0.041949 10.723
"occlusion-query stop-and-wait" 5.1785 15.24 0.013966 0 3.5648
"occlusion-query previous-frame" 0.025277 6.928 18.445 0 4.1611
EOD
set terminal pngcairo size 1400,1140 font ',9'
set output 'frame-cost.png'
set multiplot layout 3,1 title 'Culled frame: the culling pass stage by stage, then drawing the survivors and occluders (medians)'
set style data histograms
set style histogram rowstacked
set style fill solid 0.85 border -1
set boxwidth 0.75
unset xlabel
set grid ytics
set xtics rotate by -35 font ',8'
set yrange [0:*]
set ylabel 'milliseconds'
set key outside right top vertical
set lmargin 9
set rmargin 22
set bmargin 9
set title 'fake camera at 0 degrees'
plot $cost0 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost0 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost0 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost0 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost0 using 6 lc rgb '#bbbbbb' title 'drawing', 3.1555 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at 120 degrees'
plot $cost120 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost120 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost120 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost120 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost120 using 6 lc rgb '#bbbbbb' title 'drawing', 4.7854 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
set title 'fake camera at 240 degrees'
plot $cost240 using 2:xtic(1) lc rgb '#1f618d' title 'pass stage 1', $cost240 using 3 lc rgb '#5dade2' title 'pass stage 2', $cost240 using 4 lc rgb '#a9cce3' title 'pass stage 3', $cost240 using 5 lc rgb '#d6eaf8' title 'pass stage 4', $cost240 using 6 lc rgb '#bbbbbb' title 'drawing', 4.0995 with lines dt 2 lw 1.5 lc rgb '#000000' title '1.15 x oracle-occluders'
unset multiplot
