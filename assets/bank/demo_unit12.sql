-- Units 1-2: 基础知识 and 相关专业知识.
INSERT INTO tree (id, nodename, parentid, code) VALUES
 (10, '生理学', 1, 2),
 (11, '细胞的基本功能', 10, 3),
 (12, '血液', 10, 3),
 (13, '生物化学', 1, 2),
 (14, '蛋白质结构与功能及酶', 13, 3),
 (15, '药物化学', 1, 2),
 (16, '抗生素', 15, 3),
 (17, '解热镇痛抗炎药', 15, 3),
 (18, '药物分析', 1, 2),
 (19, '药品质量标准与杂质检查', 18, 3),
 (20, '药剂学', 2, 2),
 (21, '液体制剂', 20, 3),
 (22, '片剂', 20, 3),
 (23, '注射剂与灭菌', 20, 3),
 (24, '医疗机构从业人员行为规范', 2, 2),
 (25, '药事管理', 2, 2),
 (26, '药品管理法律法规', 25, 3),
 (27, '特殊管理药品', 25, 3);

-- 细胞的基本功能
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (1, 11, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (1, 1, '小肠黏膜上皮细胞从肠腔中吸收葡萄糖的跨膜转运方式属于', 'E', '小肠上皮细胞借助Na<sup>+</sup>-葡萄糖同向转运体，利用钠泵建立的Na<sup>+</sup>浓度势能逆浓度差转运葡萄糖，间接消耗ATP，属于继发性主动转运。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (1, 1, 'A', '单纯扩散'),
 (2, 1, 'B', '经载体介导的易化扩散'),
 (3, 1, 'C', '经通道介导的易化扩散'),
 (4, 1, 'D', '原发性主动转运'),
 (5, 1, 'E', '继发性主动转运');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (2, 1, '神经细胞静息电位形成的主要离子基础是', 'C', '安静时细胞膜对K<sup>+</sup>的通透性最大，K<sup>+</sup>顺浓度差外流形成内负外正的电位差，故静息电位接近K<sup>+</sup>的平衡电位。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (6, 2, 'A', 'Ca<sup>2+</sup>内流'),
 (7, 2, 'B', 'Na<sup>+</sup>内流'),
 (8, 2, 'C', 'K<sup>+</sup>外流'),
 (9, 2, 'D', 'Cl<sup>-</sup>内流'),
 (10, 2, 'E', 'Na<sup>+</sup>外流');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (3, 1, '钠泵每分解1分子ATP，可', 'B', '钠泵即Na<sup>+</sup>-K<sup>+</sup>-ATP酶，每分解1分子ATP可逆浓度差将3个Na<sup>+</sup>泵出、2个K<sup>+</sup>泵入，维持细胞内高K<sup>+</sup>、细胞外高Na<sup>+</sup>的不均衡分布，并具有生电作用。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (11, 3, 'A', '将2个Na<sup>+</sup>移出膜外，同时将3个K<sup>+</sup>移入膜内'),
 (12, 3, 'B', '将3个Na<sup>+</sup>移出膜外，同时将2个K<sup>+</sup>移入膜内'),
 (13, 3, 'C', '将3个Na<sup>+</sup>移入膜内，同时将2个K<sup>+</sup>移出膜外'),
 (14, 3, 'D', '将2个Na<sup>+</sup>移入膜内，同时将2个K<sup>+</sup>移出膜外'),
 (15, 3, 'E', '只将3个Na<sup>+</sup>移出膜外，不转运K<sup>+</sup>');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (4, 1, '骨骼肌神经-肌接头处运动神经末梢释放的神经递质是', 'B', '运动神经末梢以出胞方式释放乙酰胆碱（ACh），ACh与终板膜上N<sub>2</sub>型ACh受体结合，产生终板电位并引发肌细胞动作电位。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (16, 4, 'A', '去甲肾上腺素'),
 (17, 4, 'B', '乙酰胆碱'),
 (18, 4, 'C', '多巴胺'),
 (19, 4, 'D', 'γ-氨基丁酸'),
 (20, 4, 'E', '5-羟色胺');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (5, 1, '骨骼肌兴奋-收缩耦联中起关键作用的离子是', 'C', '肌膜动作电位经横管传至肌质网，使其释放Ca<sup>2+</sup>，胞质Ca<sup>2+</sup>浓度升高并与肌钙蛋白结合，触发肌丝滑行，故Ca<sup>2+</sup>是兴奋-收缩耦联的耦联因子。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (21, 5, 'A', 'Na<sup>+</sup>'),
 (22, 5, 'B', 'K<sup>+</sup>'),
 (23, 5, 'C', 'Ca<sup>2+</sup>'),
 (24, 5, 'D', 'Cl<sup>-</sup>'),
 (25, 5, 'E', 'Mg<sup>2+</sup>');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (6, 1, '在刺激持续时间和强度-时间变化率固定的条件下，能引起组织发生兴奋的最小刺激强度称为', 'A', '固定刺激时间和强度-时间变化率时，引起组织兴奋所需的最小刺激强度称为阈强度（阈值），阈值越小说明组织兴奋性越高。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (26, 6, 'A', '阈强度'),
 (27, 6, 'B', '阈电位'),
 (28, 6, 'C', '阈下刺激'),
 (29, 6, 'D', '阈上刺激'),
 (30, 6, 'E', '静息电位');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (2, 11, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (7, 2, '患者，男，40岁，误服有机磷农药后出现瞳孔缩小、流涎、大汗及肌束颤动。其出现肌束颤动的主要原因是神经-肌接头处', 'B', '有机磷酸酯类与胆碱酯酶结合使其失活，ACh不能及时被水解而在接头间隙大量蓄积，持续作用于N<sub>2</sub>型受体，引起骨骼肌肌束颤动。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (31, 7, 'A', 'ACh释放减少'),
 (32, 7, 'B', '胆碱酯酶活性被抑制，ACh在接头间隙蓄积'),
 (33, 7, 'C', '终板膜ACh受体被阻断'),
 (34, 7, 'D', '接头前膜Ca<sup>2+</sup>内流受阻'),
 (35, 7, 'E', '肌质网Ca<sup>2+</sup>释放障碍');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (8, 2, '患者，女，32岁，近半年出现眼睑下垂、复视、四肢无力，症状晨轻暮重，新斯的明试验阳性，诊断为重症肌无力。其发病的主要机制是', 'B', '重症肌无力是自身免疫性疾病，抗ACh受体抗体使终板膜N<sub>2</sub>型ACh受体数量减少、功能障碍，接头传递受阻；新斯的明抑制胆碱酯酶，增加接头处ACh而改善症状。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (36, 8, 'A', '运动神经末梢ACh合成减少'),
 (37, 8, 'B', '自身抗体破坏终板膜N<sub>2</sub>型ACh受体，使受体数量减少'),
 (38, 8, 'C', '胆碱酯酶活性异常增高'),
 (39, 8, 'D', '肌质网Ca<sup>2+</sup>释放障碍'),
 (40, 8, 'E', '肌细胞膜电压门控Na<sup>+</sup>通道失活');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (9, 2, '患者，男，65岁，慢性肾功能不全，化验血钾7.0 mmol/L。与正常相比，其可兴奋细胞静息电位的主要变化是', 'B', '静息电位主要取决于K<sup>+</sup>的跨膜浓度差。细胞外K<sup>+</sup>浓度升高时，K<sup>+</sup>外流的驱动力减小，K<sup>+</sup>平衡电位绝对值减小，因而静息电位绝对值减小（去极化）。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (41, 9, 'A', '绝对值增大'),
 (42, 9, 'B', '绝对值减小'),
 (43, 9, 'C', '保持不变'),
 (44, 9, 'D', '变为正值'),
 (45, 9, 'E', '先增大后减小');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (3, 11, 5, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (10, 3, '具有“全或无”特性、构成动作电位主要部分的是', 'C', '锋电位是动作电位的主要组成部分，一旦产生其幅度即达最大，不随刺激强度增大而增大，具有“全或无”特性。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (46, 10, 'A', '静息电位'),
 (47, 10, 'B', '阈电位'),
 (48, 10, 'C', '锋电位'),
 (49, 10, 'D', '局部电位'),
 (50, 10, 'E', '后电位');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (11, 3, '由阈下刺激引起、可发生时间总和与空间总和的电位变化是', 'D', '局部电位由阈下刺激引起少量Na<sup>+</sup>内流所致，幅度随刺激强度变化，呈电紧张性扩布并可总和，不具有“全或无”特性。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (51, 11, 'A', '静息电位'),
 (52, 11, 'B', '阈电位'),
 (53, 11, 'C', '锋电位'),
 (54, 11, 'D', '局部电位'),
 (55, 11, 'E', '后电位');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (12, 3, '能使膜上Na<sup>+</sup>通道大量开放而触发动作电位的临界膜电位是', 'B', '膜去极化达到阈电位时，电压门控Na<sup>+</sup>通道大量开放，Na<sup>+</sup>内流与去极化之间形成正反馈，从而爆发动作电位。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (56, 12, 'A', '静息电位'),
 (57, 12, 'B', '阈电位'),
 (58, 12, 'C', '锋电位'),
 (59, 12, 'D', '局部电位'),
 (60, 12, 'E', '后电位');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (13, 3, '细胞在安静状态下存在于细胞膜两侧的内负外正的电位差是', 'A', '静息电位是细胞未受刺激时膜两侧内负外正的稳定电位差，主要由K<sup>+</sup>外流形成。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (61, 13, 'A', '静息电位'),
 (62, 13, 'B', '阈电位'),
 (63, 13, 'C', '锋电位'),
 (64, 13, 'D', '局部电位'),
 (65, 13, 'E', '后电位');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (4, 11, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (14, 4, '关于神经纤维动作电位的叙述，正确的有', 'ABC', '动作电位具有全或无、不衰减传导和脉冲式发放（因有不应期而不能融合总和）的特点；幅度随刺激强度变化和可以总和是局部电位的特征。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (66, 14, 'A', '具有“全或无”特性'),
 (67, 14, 'B', '可沿细胞膜不衰减地传导'),
 (68, 14, 'C', '产生后存在不应期'),
 (69, 14, 'D', '相邻动作电位之间可以发生总和'),
 (70, 14, 'E', '幅度随刺激强度增大而增大');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (15, 4, '下列属于可兴奋细胞的有', 'BCDE', '受刺激后能产生动作电位的神经细胞、肌细胞（骨骼肌、心肌、平滑肌）和腺细胞称为可兴奋细胞；成熟红细胞不能产生动作电位。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (71, 15, 'A', '成熟红细胞'),
 (72, 15, 'B', '骨骼肌细胞'),
 (73, 15, 'C', '心肌细胞'),
 (74, 15, 'D', '腺细胞'),
 (75, 15, 'E', '神经细胞');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (16, 4, '在跨膜信号转导中，可作为第二信使的物质有', 'ABCDE', '激素、递质等第一信使作用于膜受体后，在胞内生成cAMP、cGMP、IP<sub>3</sub>、DG和Ca<sup>2+</sup>等第二信使，进一步激活蛋白激酶等引起细胞效应。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (76, 16, 'A', 'cAMP'),
 (77, 16, 'B', 'cGMP'),
 (78, 16, 'C', '二酰甘油（DG）'),
 (79, 16, 'D', '三磷酸肌醇（IP<sub>3</sub>）'),
 (80, 16, 'E', 'Ca<sup>2+</sup>');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (5, 11, 7, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (17, 5, '患者，男，52岁，全麻下行腹部手术，术中静脉注射筒箭毒碱类非去极化型肌松药后骨骼肌松弛。关于神经-肌接头的兴奋传递，下列叙述正确的有', 'ABCD', '神经冲动到达末梢引起Ca<sup>2+</sup>内流，触发ACh出胞；ACh与N<sub>2</sub>型受体结合产生终板电位，终板电位属局部电位，无全或无特性；筒箭毒碱竞争性阻断该受体而使肌肉松弛，ACh则由胆碱酯酶迅速水解。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (81, 17, 'A', '筒箭毒碱可竞争性阻断终板膜ACh受体'),
 (82, 17, 'B', '接头前膜释放ACh依赖于Ca<sup>2+</sup>内流'),
 (83, 17, 'C', '接头间隙中的ACh主要被胆碱酯酶水解而失活'),
 (84, 17, 'D', 'ACh与终板膜N<sub>2</sub>型ACh受体结合产生终板电位'),
 (85, 17, 'E', '终板电位具有“全或无”特性');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (18, 5, '患者，女，70岁，慢性心力衰竭，长期服用地高辛。地高辛可抑制心肌细胞膜上的钠泵。关于钠泵的叙述，正确的有', 'ABDE', '钠泵是Na<sup>+</sup>-K<sup>+</sup>-ATP酶，分解ATP逆浓度差转运Na<sup>+</sup>、K<sup>+</sup>，每次泵出3个Na<sup>+</sup>、泵入2个K<sup>+</sup>而具有生电性，其建立的Na<sup>+</sup>势能梯度是继发性主动转运的动力。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (86, 18, 'A', '本质是Na<sup>+</sup>-K<sup>+</sup>依赖式ATP酶'),
 (87, 18, 'B', '逆浓度差转运Na<sup>+</sup>和K<sup>+</sup>'),
 (88, 18, 'C', '转运过程不消耗能量'),
 (89, 18, 'D', '形成的Na<sup>+</sup>浓度梯度为继发性主动转运提供势能'),
 (90, 18, 'E', '具有生电作用');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (6, 11, 8, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (19, 6, '关于细胞膜物质转运的叙述，正确的有', 'ABCD', '易化扩散属被动转运；原发性主动转运直接耗能；载体转运有结构特异性、饱和及竞争性抑制；入胞和出胞为耗能过程。通道转运速度快，但选择性低于载体转运，故“经通道转运的特异性高于经载体转运”的说法错误。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (91, 19, 'A', '经载体的转运具有饱和现象和竞争性抑制'),
 (92, 19, 'B', '原发性主动转运逆浓度梯度进行，需直接分解ATP供能'),
 (93, 19, 'C', '大分子物质可经入胞和出胞方式转运，需要消耗能量'),
 (94, 19, 'D', '易化扩散顺浓度梯度进行，不直接消耗能量'),
 (95, 19, 'E', '经通道转运的特异性高于经载体转运');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (7, 11, 9, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (20, 7, '在离体神经纤维实验中，将浸浴液中的Na<sup>+</sup>浓度降低，可出现的变化有', 'BC', '动作电位上升支由Na<sup>+</sup>内流形成，其峰值接近Na<sup>+</sup>平衡电位；细胞外Na<sup>+</sup>浓度降低时Na<sup>+</sup>平衡电位减小，超射值和动作电位幅度均减小，而静息电位主要取决于K<sup>+</sup>，基本不受影响。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (96, 20, 'A', '阈电位消失'),
 (97, 20, 'B', '动作电位幅度减小'),
 (98, 20, 'C', '动作电位超射值减小'),
 (99, 20, 'D', '静息电位绝对值明显增大'),
 (100, 20, 'E', '不能再产生任何电位变化');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (21, 7, '在离体神经纤维实验中，向浸浴液中加入河豚毒素后，正确的描述有', 'BDE', '河豚毒素是电压门控Na<sup>+</sup>通道的特异性阻断剂，阻断Na<sup>+</sup>内流使动作电位不能产生；静息电位主要由K<sup>+</sup>外流形成，故基本不变。钠泵可被哇巴因抑制，K<sup>+</sup>通道可被四乙铵阻断。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (101, 21, 'A', '电压门控K<sup>+</sup>通道被阻断'),
 (102, 21, 'B', '静息电位基本不变'),
 (103, 21, 'C', '钠泵活性被完全抑制'),
 (104, 21, 'D', '刺激神经纤维不能产生动作电位'),
 (105, 21, 'E', '电压门控Na<sup>+</sup>通道被阻断');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (22, 7, '在离体神经纤维实验中，向浸浴液中加入四乙铵后，主要受影响的有', 'BE', '四乙铵是电压门控K<sup>+</sup>通道阻断剂，阻断K<sup>+</sup>外流，使动作电位复极化减慢、时程延长，对Na<sup>+</sup>通道和去极化速率基本无影响。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (106, 22, 'A', '钠泵'),
 (107, 22, 'B', '电压门控K<sup>+</sup>通道'),
 (108, 22, 'C', '动作电位去极化的速率'),
 (109, 22, 'D', '电压门控Na<sup>+</sup>通道'),
 (110, 22, 'E', '动作电位的复极化过程');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (8, 11, 10, '患者，女，28岁，进食自行烹制的河豚约1小时后出现口唇及舌尖麻木、四肢无力，继而言语不清、呼吸困难，被送至急诊。初步诊断为河豚毒素中毒，立即给予呼吸支持等抢救措施。', 3, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (23, 8, '河豚毒素的主要作用靶点是', 'D', '河豚毒素能特异性阻断神经和骨骼肌细胞膜上的电压门控Na<sup>+</sup>通道，是研究Na<sup>+</sup>通道的经典工具药。', '', 1);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (111, 23, 'A', '钠泵'),
 (112, 23, 'B', '电压门控K<sup>+</sup>通道'),
 (113, 23, 'C', '终板膜N<sub>2</sub>型ACh受体'),
 (114, 23, 'D', '电压门控Na<sup>+</sup>通道'),
 (115, 23, 'E', '电压门控Ca<sup>2+</sup>通道');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (24, 8, '该患者出现肢体麻木、肌无力和呼吸困难的直接原因有', 'ADE', 'Na<sup>+</sup>通道被阻断后Na<sup>+</sup>内流受阻，神经和骨骼肌细胞不能产生并传导动作电位，导致感觉麻木和包括呼吸肌在内的肌肉麻痹；静息电位基本不受影响。', '', 2);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (116, 24, 'A', '兴奋在神经纤维上的传导受阻'),
 (117, 24, 'B', '静息电位绝对值显著增大'),
 (118, 24, 'C', '接头前膜ACh合成增加'),
 (119, 24, 'D', '神经和骨骼肌细胞不能正常产生动作电位'),
 (120, 24, 'E', '动作电位去极化相的Na<sup>+</sup>内流受阻');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (25, 8, '关于神经纤维动作电位的离子机制，叙述正确的有', 'ABDE', '动作电位上升支由Na<sup>+</sup>内流、下降支由K<sup>+</sup>外流形成；绝对不应期大致相当于锋电位时程；之后钠泵活动恢复离子的正常分布。动作电位为不衰减传导，其幅度不随传导距离增加而减小。', '', 3);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (121, 25, 'A', '恢复期由钠泵将进入细胞的Na<sup>+</sup>泵出、将流出的K<sup>+</sup>泵回'),
 (122, 25, 'B', '锋电位期间细胞处于绝对不应期'),
 (123, 25, 'C', '动作电位幅度随传导距离增加而逐渐减小'),
 (124, 25, 'D', '去极化主要由Na<sup>+</sup>快速内流引起'),
 (125, 25, 'E', '复极化主要由K<sup>+</sup>外流引起');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (9, 11, 11, 'A．单纯扩散　B．经载体易化扩散　C．经通道易化扩散　D．原发性主动转运　E．出胞作用', 5, 5);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (26, 9, '葡萄糖顺浓度差进入红细胞', 'B', '葡萄糖借助葡萄糖转运体顺浓度差进入红细胞，不耗能，属于经载体的易化扩散。', '', 1);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (27, 9, 'Na<sup>+</sup>-K<sup>+</sup>泵转运Na<sup>+</sup>和K<sup>+</sup>', 'D', '钠泵直接分解ATP，逆浓度差转运Na<sup>+</sup>和K<sup>+</sup>，属于原发性主动转运。', '', 2);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (28, 9, 'O<sub>2</sub>和CO<sub>2</sub>通过细胞膜', 'A', 'O<sub>2</sub>、CO<sub>2</sub>等脂溶性小分子顺浓度差直接穿过脂质双层，属于单纯扩散。', '', 3);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (29, 9, '神经细胞兴奋时Na<sup>+</sup>快速内流', 'C', '兴奋时电压门控Na<sup>+</sup>通道开放，Na<sup>+</sup>顺电-化学梯度经通道内流，属于经通道的易化扩散。', '', 4);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (30, 9, '运动神经末梢释放乙酰胆碱', 'E', '神经递质储存在突触囊泡内，经囊泡与膜融合以出胞方式释放。', '', 5);

-- 血液
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (10, 12, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (31, 10, '血浆胶体渗透压主要来自', 'E', '白蛋白分子量较小而数量最多，是形成血浆胶体渗透压的主要成分；血浆晶体渗透压主要来自NaCl等晶体物质。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (126, 31, 'A', 'Na<sup>+</sup>和Cl<sup>-</sup>'),
 (127, 31, 'B', '球蛋白'),
 (128, 31, 'C', '纤维蛋白原'),
 (129, 31, 'D', '葡萄糖'),
 (130, 31, 'E', '白蛋白');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (32, 10, '缺乏后可引起巨幼细胞贫血的物质是', 'B', '维生素B<sub>12</sub>和叶酸是合成DNA所需的辅酶成分，缺乏时红细胞核发育障碍，导致巨幼细胞贫血；缺铁引起小细胞低色素性贫血。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (131, 32, 'A', '铁'),
 (132, 32, 'B', '维生素B<sub>12</sub>'),
 (133, 32, 'C', '维生素C'),
 (134, 32, 'D', '维生素K'),
 (135, 32, 'E', '促红细胞生成素');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (33, 10, '促红细胞生成素主要由哪个器官产生', 'B', '促红细胞生成素主要由肾皮质肾小管周围的间质细胞产生，缺氧可促进其生成，肝脏仅产生少量。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (136, 33, 'A', '肝脏'),
 (137, 33, 'B', '肾脏'),
 (138, 33, 'C', '骨髓'),
 (139, 33, 'D', '脾脏'),
 (140, 33, 'E', '胃');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (34, 10, '枸橼酸钠用于体外抗凝的机制是', 'A', '枸橼酸钠与Ca<sup>2+</sup>形成不易解离的可溶性络合物，使血浆Ca<sup>2+</sup>减少，从而阻断凝血过程，常用于输血用血液的体外抗凝。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (141, 34, 'A', '与血浆中Ca<sup>2+</sup>结合形成可溶性络合物'),
 (142, 34, 'B', '增强抗凝血酶的活性'),
 (143, 34, 'C', '抑制肝脏合成凝血酶原'),
 (144, 34, 'D', '激活纤溶酶原'),
 (145, 34, 'E', '抑制血小板聚集');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (35, 10, '正常成年人的血量约相当于体重的', 'B', '正常成年人血量约为体重的7%～8%，即每千克体重70～80 ml；体重的60%为体液总量。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (146, 35, 'A', '5%～6%'),
 (147, 35, 'B', '7%～8%'),
 (148, 35, 'C', '10%～12%'),
 (149, 35, 'D', '15%～20%'),
 (150, 35, 'E', '60%');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (36, 10, '关于ABO血型系统，A型血的人', 'D', 'ABO血型按红细胞膜上所含抗原分型，A型血红细胞膜上只有A抗原，血清中天然含有抗B抗体。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (151, 36, 'A', '红细胞膜上无A、B抗原，血清中含抗A和抗B抗体'),
 (152, 36, 'B', '红细胞膜上含B抗原，血清中含抗A抗体'),
 (153, 36, 'C', '红细胞膜上含A和B抗原，血清中无抗A、抗B抗体'),
 (154, 36, 'D', '红细胞膜上含A抗原，血清中含抗B抗体'),
 (155, 36, 'E', '红细胞膜上含A抗原，血清中含抗A抗体');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (11, 12, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (37, 11, '患者，男，56岁，慢性肾衰竭5年，近来面色苍白、乏力，血红蛋白75 g/L，血清铁、叶酸及维生素B<sub>12</sub>水平均正常。其贫血的主要原因是', 'B', '肾脏是产生促红细胞生成素的主要器官，慢性肾衰竭时其生成减少，骨髓红系造血不足，导致肾性贫血，临床可用重组人促红素治疗。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (156, 37, 'A', '铁摄入不足'),
 (157, 37, 'B', '促红细胞生成素生成减少'),
 (158, 37, 'C', '维生素B<sub>12</sub>吸收障碍'),
 (159, 37, 'D', '叶酸缺乏'),
 (160, 37, 'E', '脾功能亢进');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (38, 11, '患者，女，50岁，3年前因胃癌行全胃切除术，近期出现乏力、舌炎，血常规示大细胞性贫血。其贫血的主要原因是', 'A', '胃壁细胞分泌的内因子能保护维生素B<sub>12</sub>并促进其在回肠吸收；全胃切除后内因子缺乏，维生素B<sub>12</sub>吸收障碍，引起巨幼细胞贫血，需肌内注射维生素B<sub>12</sub>。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (161, 38, 'A', '内因子缺乏导致维生素B<sub>12</sub>吸收障碍'),
 (162, 38, 'B', '铁丢失过多'),
 (163, 38, 'C', '促红细胞生成素生成减少'),
 (164, 38, 'D', '叶酸需要量减少'),
 (165, 38, 'E', '红细胞破坏过多');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (12, 12, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (39, 12, '依赖维生素K在肝脏合成的凝血因子有', 'ABDE', '因子Ⅱ、Ⅶ、Ⅸ、Ⅹ在肝脏合成时需维生素K参与谷氨酸残基的γ-羧化才具有活性；因子Ⅷ的合成不依赖维生素K。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (166, 39, 'A', '因子Ⅱ'),
 (167, 39, 'B', '因子Ⅸ'),
 (168, 39, 'C', '因子Ⅷ'),
 (169, 39, 'D', '因子Ⅹ'),
 (170, 39, 'E', '因子Ⅶ');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (40, 12, '血小板的生理特性包括', 'ABCDE', '血小板具有黏附、释放、聚集、收缩和吸附五项生理特性，这些特性是其参与生理性止血和血液凝固的基础。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (171, 40, 'A', '收缩'),
 (172, 40, 'B', '释放'),
 (173, 40, 'C', '吸附'),
 (174, 40, 'D', '黏附'),
 (175, 40, 'E', '聚集');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (13, 12, 10, '患者，男，68岁，因持续性心房颤动长期口服华法林抗凝。近1周出现牙龈出血、皮下瘀斑，无其他部位出血。查凝血酶原时间明显延长，国际标准化比值（INR）为4.8。', 3, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (41, 13, '华法林抗凝作用所影响的凝血因子有', 'ACDE', '华法林为维生素K拮抗剂，抑制维生素K环氧化物还原酶，使因子Ⅱ、Ⅶ、Ⅸ、Ⅹ的γ-羧化受阻而不能活化。', '', 1);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (176, 41, 'A', '因子Ⅱ'),
 (177, 41, 'B', '因子Ⅻ'),
 (178, 41, 'C', '因子Ⅸ'),
 (179, 41, 'D', '因子Ⅹ'),
 (180, 41, 'E', '因子Ⅶ');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (42, 13, '监测华法林抗凝强度最常用的指标是', 'D', '华法林主要影响外源性凝血途径及共同途径，临床以凝血酶原时间换算的INR监测，心房颤动患者的目标值一般为2.0～3.0。', '', 2);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (181, 42, 'A', '出血时间'),
 (182, 42, 'B', '活化部分凝血活酶时间（APTT）'),
 (183, 42, 'C', '血小板计数'),
 (184, 42, 'D', '凝血酶原时间换算的国际标准化比值（INR）'),
 (185, 42, 'E', '血浆纤维蛋白原含量');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (43, 13, '对该患者，可用于纠正华法林过度抗凝的措施有', 'ABE', '华法林过量应停药或减量，给予维生素K<sub>1</sub>促进凝血因子合成，出血严重时补充凝血酶原复合物或新鲜冰冻血浆；鱼精蛋白用于拮抗肝素，阿司匹林会加重出血。', '', 3);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (186, 43, 'A', '暂停华法林'),
 (187, 43, 'B', '给予维生素K<sub>1</sub>'),
 (188, 43, 'C', '静脉注射鱼精蛋白'),
 (189, 43, 'D', '加用阿司匹林'),
 (190, 43, 'E', '必要时输注凝血酶原复合物或新鲜冰冻血浆');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (14, 12, 11, 'A．Ca<sup>2+</sup>　B．因子Ⅻ　C．组织因子（因子Ⅲ）　D．凝血酶　E．纤维蛋白原', 5, 5);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (44, 14, '即凝血因子Ⅳ', 'A', '凝血因子Ⅳ就是Ca<sup>2+</sup>，参与凝血过程的多个环节。', '', 1);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (45, 14, '能使纤维蛋白原转变为纤维蛋白单体的是', 'D', '凝血酶能水解纤维蛋白原，使其转变为纤维蛋白单体，并激活因子ⅩⅢ使其交联。', '', 2);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (46, 14, '外源性凝血途径的启动因子', 'C', '外源性凝血途径由血管损伤时暴露的组织因子（因子Ⅲ）启动。', '', 3);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (47, 14, '凝血过程最后转变为不溶性纤维蛋白的是', 'E', '纤维蛋白原在凝血酶作用下转变为纤维蛋白单体，再交联成不溶性纤维蛋白多聚体网罗血细胞形成血凝块。', '', 4);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (48, 14, '内源性凝血途径的启动因子', 'B', '内源性凝血途径由因子Ⅻ与带负电荷的异物表面接触而激活启动。', '', 5);

-- 蛋白质结构与功能及酶
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (15, 14, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (49, 15, '维系蛋白质一级结构的主要化学键是', 'E', '蛋白质一级结构是指多肽链中氨基酸的排列顺序，其主要化学键是肽键，有些蛋白质还含有二硫键。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (191, 49, 'A', '范德华力'),
 (192, 49, 'B', '氢键'),
 (193, 49, 'C', '疏水作用'),
 (194, 49, 'D', '离子键'),
 (195, 49, 'E', '肽键');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (50, 15, '蛋白质分子中的α-螺旋属于', 'B', 'α-螺旋、β-折叠、β-转角和无规卷曲是多肽链主链的局部空间构象，属于蛋白质的二级结构，主要由氢键维系。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (196, 50, 'A', '一级结构'),
 (197, 50, 'B', '二级结构'),
 (198, 50, 'C', '三级结构'),
 (199, 50, 'D', '四级结构'),
 (200, 50, 'E', '结构域');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (51, 15, '蛋白质溶液在280 nm波长处有特征性吸收峰，主要与下列哪种氨基酸有关', 'C', '色氨酸和酪氨酸分子中含有共轭双键，在280 nm处有最大吸收，可用于蛋白质的定量测定。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (201, 51, 'A', '丙氨酸'),
 (202, 51, 'B', '甘氨酸'),
 (203, 51, 'C', '色氨酸'),
 (204, 51, 'D', '赖氨酸'),
 (205, 51, 'E', '谷氨酸');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (52, 15, '蛋白质变性时，通常不被破坏的是', 'A', '蛋白质变性是空间构象被破坏，主要涉及次级键和二硫键的断裂，不涉及肽键断裂和氨基酸序列的改变。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (206, 52, 'A', '肽键'),
 (207, 52, 'B', '氢键'),
 (208, 52, 'C', '疏水作用'),
 (209, 52, 'D', '盐键'),
 (210, 52, 'E', '由次级键维系的空间构象');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (53, 15, '磺胺类药物抑制细菌二氢叶酸合成酶的作用方式属于', 'D', '磺胺类药物的结构与对氨基苯甲酸相似，可与其竞争二氢叶酸合成酶的活性中心，属于竞争性抑制。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (211, 53, 'A', '不可逆抑制'),
 (212, 53, 'B', '非竞争性抑制'),
 (213, 53, 'C', '反竞争性抑制'),
 (214, 53, 'D', '竞争性抑制'),
 (215, 53, 'E', '别构激活');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (54, 15, '有机磷农药对胆碱酯酶的抑制作用属于', 'E', '有机磷化合物与胆碱酯酶活性中心丝氨酸残基的羟基共价结合形成磷酰化酶，属于不可逆抑制，可用碘解磷定等复活剂恢复酶活性。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (216, 54, 'A', '别构抑制'),
 (217, 54, 'B', '竞争性抑制'),
 (218, 54, 'C', '非竞争性抑制'),
 (219, 54, 'D', '反竞争性抑制'),
 (220, 54, 'E', '不可逆抑制');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (16, 14, 5, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (55, 16, '反竞争性抑制作用的动力学特点是', 'C', '反竞争性抑制剂只与酶-底物复合物结合，使复合物增多且不能生成产物，故表观K<sub>m</sub>和V<sub>max</sub>均降低。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (221, 55, 'A', 'K<sub>m</sub>增大，V<sub>max</sub>不变'),
 (222, 55, 'B', 'K<sub>m</sub>不变，V<sub>max</sub>降低'),
 (223, 55, 'C', 'K<sub>m</sub>降低，V<sub>max</sub>降低'),
 (224, 55, 'D', 'K<sub>m</sub>和V<sub>max</sub>均不变'),
 (225, 55, 'E', 'K<sub>m</sub>降低，V<sub>max</sub>增大');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (56, 16, '非竞争性抑制作用的动力学特点是', 'B', '非竞争性抑制剂结合于活性中心以外的部位，不影响酶与底物结合，但使有活性的酶减少，故K<sub>m</sub>不变而V<sub>max</sub>降低。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (226, 56, 'A', 'K<sub>m</sub>增大，V<sub>max</sub>不变'),
 (227, 56, 'B', 'K<sub>m</sub>不变，V<sub>max</sub>降低'),
 (228, 56, 'C', 'K<sub>m</sub>降低，V<sub>max</sub>降低'),
 (229, 56, 'D', 'K<sub>m</sub>和V<sub>max</sub>均不变'),
 (230, 56, 'E', 'K<sub>m</sub>降低，V<sub>max</sub>增大');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (57, 16, '竞争性抑制作用的动力学特点是', 'A', '竞争性抑制剂与底物竞争酶的活性中心，增加底物浓度可解除抑制，故表观K<sub>m</sub>增大而V<sub>max</sub>不变。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (231, 57, 'A', 'K<sub>m</sub>增大，V<sub>max</sub>不变'),
 (232, 57, 'B', 'K<sub>m</sub>不变，V<sub>max</sub>降低'),
 (233, 57, 'C', 'K<sub>m</sub>降低，V<sub>max</sub>降低'),
 (234, 57, 'D', 'K<sub>m</sub>和V<sub>max</sub>均不变'),
 (235, 57, 'E', 'K<sub>m</sub>降低，V<sub>max</sub>增大');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (17, 14, 8, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (58, 17, '蛋白质变性后可出现的改变有', 'ABCD', '变性后空间构象破坏，疏水基团暴露，表现为溶解度降低、黏度增加、结晶能力消失、生物学活性丧失并易被蛋白酶水解，但一级结构不变。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (236, 58, 'A', '溶解度降低'),
 (237, 58, 'B', '黏度增加'),
 (238, 58, 'C', '生物学活性丧失'),
 (239, 58, 'D', '易被蛋白酶水解'),
 (240, 58, 'E', '一级结构被破坏');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (18, 14, 9, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (59, 18, '关于米氏常数（K<sub>m</sub>）的叙述，正确的有', 'DE', 'K<sub>m</sub>等于反应速度为V<sub>max</sub>一半时的底物浓度，是酶的特征性常数，与酶浓度无关；K<sub>m</sub>越小，酶与底物亲和力越大；竞争性抑制时表观K<sub>m</sub>增大。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (241, 59, 'A', 'K<sub>m</sub>值越大，酶与底物的亲和力越大'),
 (242, 59, 'B', 'K<sub>m</sub>随酶浓度的增加而增大'),
 (243, 59, 'C', '有竞争性抑制剂存在时，表观K<sub>m</sub>减小'),
 (244, 59, 'D', 'K<sub>m</sub>是反应速度为最大速度一半时的底物浓度'),
 (245, 59, 'E', 'K<sub>m</sub>可近似表示酶与底物的亲和力');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (60, 18, '关于酶原与酶原激活的叙述，正确的有', 'ABC', '酶原经水解一个或几个肽段后，分子构象改变，形成或暴露活性中心而成为有活性的酶，一级结构随之改变；只有部分酶（如消化酶、凝血因子）以酶原形式存在。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (246, 60, 'A', '酶原激活的实质是酶活性中心的形成或暴露'),
 (247, 60, 'B', '胃蛋白酶原可在胃酸作用下被激活'),
 (248, 60, 'C', '酶原在激活前没有催化活性'),
 (249, 60, 'D', '酶原激活过程中一级结构不发生改变'),
 (250, 60, 'E', '所有的酶都以酶原形式合成和分泌');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (61, 18, '关于蛋白质四级结构的叙述，正确的有', 'ACD', '四级结构指各亚基的空间排布及亚基间的相互作用，亚基间主要靠氢键、离子键等非共价键结合；单独亚基一般无生物学活性，且只有由多条肽链组成的蛋白质才有四级结构。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (251, 61, 'A', '亚基之间主要依靠非共价键结合'),
 (252, 61, 'B', '单独的亚基通常具有完整的生物学活性'),
 (253, 61, 'C', '其中每条多肽链称为亚基'),
 (254, 61, 'D', '由两条或两条以上具有独立三级结构的多肽链组成'),
 (255, 61, 'E', '所有蛋白质都具有四级结构');

-- 抗生素
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (19, 16, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (62, 19, '青霉素类抗生素的基本母核是', 'C', '青霉素类由6-氨基青霉烷酸（6-APA）的6位氨基酰化而成，其母核由β-内酰胺环与氢化噻唑环骈合而成；7-ACA和7-ADCA是头孢菌素类的母核。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (256, 62, 'A', '7-氨基去乙酰氧基头孢烷酸（7-ADCA）'),
 (257, 62, 'B', '7-氨基头孢烷酸（7-ACA）'),
 (258, 62, 'C', '6-氨基青霉烷酸（6-APA）'),
 (259, 62, 'D', '克拉维酸'),
 (260, 62, 'E', '碳青霉烯');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (63, 19, '下列药物中属于β-内酰胺酶抑制剂的是', 'D', '克拉维酸为氧青霉烷类β-内酰胺酶抑制剂，本身抗菌活性弱，与阿莫西林等合用可保护其不被β-内酰胺酶水解。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (261, 63, 'A', '亚胺培南'),
 (262, 63, 'B', '氨苄西林'),
 (263, 63, 'C', '头孢哌酮'),
 (264, 63, 'D', '克拉维酸钾'),
 (265, 63, 'E', '氨曲南');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (64, 19, '红霉素在酸性条件下不稳定，将其C-6位羟基甲基化后得到的耐酸药物是', 'C', '红霉素在酸中C-6羟基与C-9羰基发生分子内缩合而失活；克拉霉素为6-O-甲基红霉素，阻断了该反应，对酸稳定，口服生物利用度提高。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (266, 64, 'A', '罗红霉素'),
 (267, 64, 'B', '阿奇霉素'),
 (268, 64, 'C', '克拉霉素'),
 (269, 64, 'D', '琥乙红霉素'),
 (270, 64, 'E', '麦迪霉素');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (65, 19, '四环素类药物在pH 2～6的弱酸性溶液中易发生', 'E', '四环素类在弱酸性条件下C-4位二甲氨基发生差向异构化，生成抗菌活性低、毒性大的4-差向四环素。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (271, 65, 'A', '聚合反应'),
 (272, 65, 'B', '开环生成内酯'),
 (273, 65, 'C', 'β-内酰胺环水解'),
 (274, 65, 'D', '脱羧反应'),
 (275, 65, 'E', 'C-4位差向异构化');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (66, 19, '分子中含有两个手性碳原子，临床仅使用1R,2R-(-)-苏阿糖型异构体的抗生素是', 'A', '氯霉素含两个手性碳，有四个光学异构体，其中仅1R,2R-(-)-苏阿糖型（D-苏阿糖型）有抗菌活性，为临床使用的药物。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (276, 66, 'A', '氯霉素'),
 (277, 66, 'B', '青霉素G'),
 (278, 66, 'C', '链霉素'),
 (279, 66, 'D', '红霉素'),
 (280, 66, 'E', '四环素');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (20, 16, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (67, 20, '患者，男，30岁，因咽部感染肌内注射青霉素G钠后数分钟出现胸闷、面色苍白、血压下降，诊断为过敏性休克。青霉素类药物引起过敏反应的主要抗原决定簇是', 'C', '青霉素降解产生的青霉噻唑酸与体内蛋白结合形成青霉噻唑蛋白，青霉噻唑基为主要抗原决定簇；各种青霉素均可形成该结构，故青霉素类之间存在交叉过敏反应。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (281, 67, 'A', '侧链苯乙酰基'),
 (282, 67, 'B', 'β-内酰胺环上的羰基'),
 (283, 67, 'C', '青霉噻唑基'),
 (284, 67, 'D', 'Na<sup>+</sup>'),
 (285, 67, 'E', '氢化噻唑环上的羧基');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (68, 20, '患者，男，45岁，因肺部感染静脉滴注头孢哌酮期间饮酒，随后出现面部潮红、头痛、心悸和血压下降。该反应与头孢哌酮结构中的哪一基团有关', 'A', 'N-甲基四唑硫基可抑制乙醛脱氢酶，使乙醇代谢产生的乙醛蓄积，引起双硫仑样反应；该基团还与低凝血酶原血症有关，用药期间及停药后应避免饮酒。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (286, 68, 'A', '3位N-甲基四唑硫甲基'),
 (287, 68, 'B', '7位氨基'),
 (288, 68, 'C', 'β-内酰胺环'),
 (289, 68, 'D', '4位羧基'),
 (290, 68, 'E', '7位侧链上的哌嗪二酮环');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (21, 16, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (69, 21, '下列属于β-内酰胺类抗生素的有', 'CDE', '头孢曲松（头孢菌素类）、亚胺培南（碳青霉烯类）和氨曲南（单环β-内酰胺类）结构中均含β-内酰胺环；阿米卡星为氨基糖苷类，阿奇霉素为大环内酯类。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (291, 69, 'A', '阿米卡星'),
 (292, 69, 'B', '阿奇霉素'),
 (293, 69, 'C', '氨曲南'),
 (294, 69, 'D', '亚胺培南'),
 (295, 69, 'E', '头孢曲松');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (22, 16, 7, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (70, 22, '患儿，男，6岁，因支原体肺炎就诊，家长询问能否服用四环素类药物。关于四环素类药物，叙述正确的有', 'ABCD', '四环素类分子中有多个羟基和烯醇基，可与金属离子形成络合物，既影响吸收，又可沉积于牙齿、骨骼，故8岁以下儿童禁用；其结构为氢化并四苯，不含β-内酰胺环。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (296, 70, 'A', '在弱酸性条件下C-4位可发生差向异构化'),
 (297, 70, 'B', '与含铝、镁、钙的抗酸药同服可使吸收减少'),
 (298, 70, 'C', '8岁以下儿童禁用'),
 (299, 70, 'D', '可与Ca<sup>2+</sup>形成络合物沉积于牙齿和骨骼，引起牙齿黄染'),
 (300, 70, 'E', '分子结构中含有β-内酰胺环');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (23, 16, 11, 'A．大环内酯类　B．氨基糖苷类　C．四环素类　D．β-内酰胺类　E．酰胺醇类', 5, 5);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (71, 23, '多西环素', 'C', '多西环素为6-去氧-5-羟基四环素，属于四环素类抗生素。', '', 1);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (72, 23, '头孢呋辛', 'D', '头孢呋辛为第二代头孢菌素，属于β-内酰胺类抗生素。', '', 2);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (73, 23, '阿奇霉素', 'A', '阿奇霉素是红霉素扩环得到的15元氮杂大环内酯类抗生素。', '', 3);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (74, 23, '阿米卡星', 'B', '阿米卡星是卡那霉素的半合成衍生物，属于氨基糖苷类抗生素。', '', 4);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (75, 23, '氯霉素', 'E', '氯霉素结构中含二氯乙酰胺基和对硝基苯基，属于酰胺醇类抗生素。', '', 5);

-- 解热镇痛抗炎药
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (24, 17, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (76, 24, '阿司匹林加水煮沸，放冷后加三氯化铁试液，即显', 'E', '阿司匹林的酯键加热水解生成水杨酸，水杨酸的酚羟基与Fe<sup>3+</sup>生成紫堇色配合物，此为阿司匹林的鉴别反应。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (301, 76, 'A', '红棕色'),
 (302, 76, 'B', '蓝色'),
 (303, 76, 'C', '绿色'),
 (304, 76, 'D', '黄色'),
 (305, 76, 'E', '紫堇色');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (77, 24, '吲哚美辛的化学结构类型属于', 'D', '吲哚美辛为吲哚-3-乙酸衍生物，属于芳基乙酸类非甾体抗炎药，抗炎作用强，但胃肠道及中枢不良反应较多。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (306, 77, 'A', '苯胺类'),
 (307, 77, 'B', '芳基丙酸类'),
 (308, 77, 'C', '水杨酸类'),
 (309, 77, 'D', '芳基乙酸类'),
 (310, 77, 'E', '1,2-苯并噻嗪类');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (78, 24, '布洛芬的化学结构类型属于', 'D', '布洛芬为2-(4-异丁基苯基)丙酸，属于芳基丙酸类非甾体抗炎药。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (311, 78, 'A', '苯胺类'),
 (312, 78, 'B', '芳基乙酸类'),
 (313, 78, 'C', '水杨酸类'),
 (314, 78, 'D', '芳基丙酸类'),
 (315, 78, 'E', '吡唑酮类');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (79, 24, '下列药物中属于选择性环氧合酶-2（COX-2）抑制剂的是', 'A', '塞来昔布为二芳基吡唑类选择性COX-2抑制剂，胃肠道不良反应较传统非甾体抗炎药少，但应关注心血管风险。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (316, 79, 'A', '塞来昔布'),
 (317, 79, 'B', '阿司匹林'),
 (318, 79, 'C', '吲哚美辛'),
 (319, 79, 'D', '布洛芬'),
 (320, 79, 'E', '对乙酰氨基酚');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (80, 24, '布洛芬临床使用外消旋体的主要原因是', 'E', '布洛芬的S-(+)-异构体为活性体，无活性的R-(-)-异构体在体内可经代谢转化为S-(+)-异构体，故外消旋体与S体疗效相近，临床多用外消旋体。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (321, 80, 'A', '布洛芬不含手性碳原子'),
 (322, 80, 'B', '两种异构体活性完全相同'),
 (323, 80, 'C', 'R-(-)-异构体活性更强'),
 (324, 80, 'D', 'S-(+)-异构体毒性太大不能单独使用'),
 (325, 80, 'E', '无活性的R-(-)-异构体在体内可转化为有活性的S-(+)-异构体');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (25, 17, 5, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (81, 25, '萘普生属于', 'D', '萘普生为(S)-2-(6-甲氧基-2-萘基)丙酸，属于芳基丙酸类。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (326, 81, 'A', '水杨酸类'),
 (327, 81, 'B', '苯胺类'),
 (328, 81, 'C', '芳基乙酸类'),
 (329, 81, 'D', '芳基丙酸类'),
 (330, 81, 'E', '1,2-苯并噻嗪类');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (82, 25, '吡罗昔康属于', 'E', '吡罗昔康为昔康类药物，母核为1,2-苯并噻嗪，属于1,2-苯并噻嗪类（烯醇酸类）。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (331, 82, 'A', '水杨酸类'),
 (332, 82, 'B', '苯胺类'),
 (333, 82, 'C', '芳基乙酸类'),
 (334, 82, 'D', '芳基丙酸类'),
 (335, 82, 'E', '1,2-苯并噻嗪类');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (83, 25, '二氟尼柳属于', 'A', '二氟尼柳是在水杨酸5位引入2,4-二氟苯基得到的衍生物，属于水杨酸类。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (336, 83, 'A', '水杨酸类'),
 (337, 83, 'B', '苯胺类'),
 (338, 83, 'C', '芳基乙酸类'),
 (339, 83, 'D', '芳基丙酸类'),
 (340, 83, 'E', '1,2-苯并噻嗪类');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (84, 25, '双氯芬酸钠属于', 'C', '双氯芬酸为邻位苯氨基苯乙酸衍生物，属于芳基乙酸类。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (341, 84, 'A', '水杨酸类'),
 (342, 84, 'B', '苯胺类'),
 (343, 84, 'C', '芳基乙酸类'),
 (344, 84, 'D', '芳基丙酸类'),
 (345, 84, 'E', '1,2-苯并噻嗪类');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (85, 25, '对乙酰氨基酚属于', 'B', '对乙酰氨基酚为对位乙酰氨基苯酚，属于苯胺类解热镇痛药。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (346, 85, 'A', '水杨酸类'),
 (347, 85, 'B', '苯胺类'),
 (348, 85, 'C', '芳基乙酸类'),
 (349, 85, 'D', '芳基丙酸类'),
 (350, 85, 'E', '1,2-苯并噻嗪类');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (26, 17, 8, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (86, 26, '关于阿司匹林的叙述，正确的有', 'ACDE', '阿司匹林为乙酰水杨酸，含羧基显酸性，酯键易水解；小剂量不可逆抑制血小板COX-1而减少TXA<sub>2</sub>生成，用于抗血栓；它对COX-1和COX-2均有抑制，不属于选择性COX-2抑制剂。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (351, 86, 'A', '可引起胃肠道反应，严重者可致溃疡出血'),
 (352, 86, 'B', '属于选择性COX-2抑制剂'),
 (353, 86, 'C', '小剂量可用于预防血栓形成'),
 (354, 86, 'D', '分子中含游离羧基，呈酸性'),
 (355, 86, 'E', '遇湿气易水解生成水杨酸和醋酸');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (27, 17, 10, '患者，男，22岁，因情绪激动一次性口服对乙酰氨基酚片（0.5 g/片）约30片，6小时后出现恶心、呕吐、上腹不适，被家人送至急诊。查血药浓度，提示有发生肝损伤的高风险。', 3, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (87, 27, '对乙酰氨基酚过量导致肝损伤的机制，正确的有', 'ABCD', '治疗量时对乙酰氨基酚主要与葡萄糖醛酸、硫酸结合排出；过量时结合途径饱和，更多经CYP450生成N-乙酰亚胺醌，耗竭谷胱甘肽后与肝细胞蛋白共价结合，引起肝细胞坏死。', '', 1);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (356, 87, 'A', '经细胞色素P450氧化生成的N-乙酰亚胺醌增多'),
 (357, 87, 'B', '葡萄糖醛酸结合和硫酸结合途径饱和'),
 (358, 87, 'C', '毒性代谢物与肝细胞蛋白共价结合导致肝细胞坏死'),
 (359, 87, 'D', '肝内谷胱甘肽被耗竭'),
 (360, 87, 'E', '原形药物直接抑制肝脏COX-2导致肝坏死');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (88, 27, '该患者首选的解毒药是', 'C', '乙酰半胱氨酸可提供巯基、补充谷胱甘肽，促进N-乙酰亚胺醌解毒，应尽早使用，服药后8～10小时内给药效果最好。', '', 2);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (361, 88, 'A', '阿托品'),
 (362, 88, 'B', '纳洛酮'),
 (363, 88, 'C', '乙酰半胱氨酸'),
 (364, 88, 'D', '氟马西尼'),
 (365, 88, 'E', '二巯丙醇');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (89, 27, '关于对乙酰氨基酚的叙述，正确的有', 'ABDE', '对乙酰氨基酚为苯胺类解热镇痛药，主要抑制中枢前列腺素合成，解热镇痛作用确切，外周抗炎作用极弱，对血小板功能基本无影响。', '', 3);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (366, 89, 'A', '具有解热镇痛作用'),
 (367, 89, 'B', '几乎无抗炎抗风湿作用'),
 (368, 89, 'C', '有明显的抗血小板聚集作用'),
 (369, 89, 'D', '化学结构属于苯胺类'),
 (370, 89, 'E', '是儿童常用的解热镇痛药');

-- 药品质量标准与杂质检查
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (28, 19, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (90, 28, '《中国药典》凡例规定，“精密称定”系指称取重量应准确至所取重量的', 'B', '“精密称定”系指称取重量应准确至所取重量的千分之一；“称定”系指准确至所取重量的百分之一。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (371, 90, 'A', '百分之一'),
 (372, 90, 'B', '千分之一'),
 (373, 90, 'C', '万分之一'),
 (374, 90, 'D', '十分之一'),
 (375, 90, 'E', '十万分之一');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (91, 28, '《中国药典》凡例规定，取用量为“约”若干时，系指取用量不得超过规定量的', 'D', '药典凡例规定，取用量为“约”若干时，系指取用量不得超过规定量的±10%。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (376, 91, 'A', '±0.1%'),
 (377, 91, 'B', '±5%'),
 (378, 91, 'C', '±1%'),
 (379, 91, 'D', '±10%'),
 (380, 91, 'E', '±20%');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (92, 28, '药物的重金属检查中，作为重金属代表的是', 'A', '重金属是指在规定条件下能与硫代乙酰胺或硫化钠作用显色的金属杂质，药品中以铅最为常见，且易在体内蓄积中毒，故以铅为代表配制标准溶液。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (381, 92, 'A', '铅'),
 (382, 92, 'B', '汞'),
 (383, 92, 'C', '铜'),
 (384, 92, 'D', '砷'),
 (385, 92, 'E', '铁');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (93, 28, '古蔡氏法检查砷盐时，在导气管中装入醋酸铅棉花的目的是', 'C', '供试品中的硫化物在酸性条件下可生成硫化氢，与溴化汞试纸作用产生硫化汞色斑而干扰检查，用醋酸铅棉花吸收硫化氢可排除干扰。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (386, 93, 'A', '加快反应速度'),
 (387, 93, 'B', '吸收砷化氢气体'),
 (388, 93, 'C', '吸收硫化氢气体，排除干扰'),
 (389, 93, 'D', '使砷斑颜色加深'),
 (390, 93, 'E', '除去反应产生的水分');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (94, 28, '炽灼残渣检查主要用于控制有机药物中的', 'E', '有机药物经炭化后加硫酸湿润，于700～800℃炽灼使有机物完全分解挥发，残留的非挥发性无机杂质（多为硫酸盐）即为炽灼残渣。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (391, 94, 'A', '微生物'),
 (392, 94, 'B', '水分'),
 (393, 94, 'C', '残留溶剂'),
 (394, 94, 'D', '有关物质'),
 (395, 94, 'E', '无机杂质');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (95, 28, '干燥失重检查主要控制药物中的', 'E', '干燥失重是指药品在规定条件下干燥后所减失的重量，主要为水分，也包括残留的挥发性溶剂等挥发性物质。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (396, 95, 'A', '光学异构体'),
 (397, 95, 'B', '无机盐'),
 (398, 95, 'C', '重金属'),
 (399, 95, 'D', '砷盐'),
 (400, 95, 'E', '水分及其他挥发性物质');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (29, 19, 5, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (96, 29, '药物中硫酸盐检查所用的试剂是', 'B', '硫酸盐检查是在稀盐酸酸性条件下，硫酸根与氯化钡生成硫酸钡白色浑浊，与标准硫酸钾溶液对照比较。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (401, 96, 'A', '硝酸银试液'),
 (402, 96, 'B', '氯化钡溶液'),
 (403, 96, 'C', '硫代乙酰胺试液'),
 (404, 96, 'D', '溴化汞试纸'),
 (405, 96, 'E', '硫氰酸铵溶液');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (97, 29, '药物中氯化物检查所用的试剂是', 'A', '氯化物检查是在稀硝酸酸性条件下，Cl<sup>-</sup>与硝酸银生成氯化银白色浑浊，与标准氯化钠溶液同法制得的对照液比较。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (406, 97, 'A', '硝酸银试液'),
 (407, 97, 'B', '氯化钡溶液'),
 (408, 97, 'C', '硫代乙酰胺试液'),
 (409, 97, 'D', '溴化汞试纸'),
 (410, 97, 'E', '硫氰酸铵溶液');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (98, 29, '古蔡氏法检查砷盐时用于显色的是', 'D', '古蔡氏法利用锌与酸生成新生态氢，使砷盐还原为砷化氢气体，与溴化汞试纸作用生成黄色至棕色砷斑，与标准砷斑比较。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (411, 98, 'A', '硝酸银试液'),
 (412, 98, 'B', '氯化钡溶液'),
 (413, 98, 'C', '硫代乙酰胺试液'),
 (414, 98, 'D', '溴化汞试纸'),
 (415, 98, 'E', '硫氰酸铵溶液');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (99, 29, '药物中铁盐检查所用的试剂是', 'E', '铁盐检查是在盐酸酸性条件下，Fe<sup>3+</sup>与硫氰酸根生成红色配位离子，与标准铁溶液同法处理后比色。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (416, 99, 'A', '硝酸银试液'),
 (417, 99, 'B', '氯化钡溶液'),
 (418, 99, 'C', '硫代乙酰胺试液'),
 (419, 99, 'D', '溴化汞试纸'),
 (420, 99, 'E', '硫氰酸铵溶液');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (100, 29, '药物中重金属检查第一法所用的显色试剂是', 'C', '重金属检查第一法（硫代乙酰胺法）在pH 3.5醋酸盐缓冲液中，硫代乙酰胺水解产生硫化氢，与重金属离子生成有色硫化物。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (421, 100, 'A', '硝酸银试液'),
 (422, 100, 'B', '氯化钡溶液'),
 (423, 100, 'C', '硫代乙酰胺试液'),
 (424, 100, 'D', '溴化汞试纸'),
 (425, 100, 'E', '硫氰酸铵溶液');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (30, 19, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (101, 30, '下列属于药物中一般杂质的有', 'ABDE', '一般杂质是在自然界分布广泛、多种药物生产和贮藏中均易引入的杂质，如氯化物、硫酸盐、重金属、砷盐、铁盐等；游离水杨酸是阿司匹林特有的特殊杂质。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (426, 101, 'A', '砷盐'),
 (427, 101, 'B', '重金属'),
 (428, 101, 'C', '阿司匹林中的游离水杨酸'),
 (429, 101, 'D', '硫酸盐'),
 (430, 101, 'E', '氯化物');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (31, 19, 7, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (102, 31, '某药品检验机构采用高效液相色谱法测定某片剂的含量，检验前需对色谱系统进行系统适用性试验。系统适用性试验通常包括', 'ABCDE', '《中国药典》规定色谱系统适用性试验通常包括理论板数、分离度、灵敏度、拖尾因子和重复性五个参数，以确认系统符合测定要求。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (431, 102, 'A', '拖尾因子'),
 (432, 102, 'B', '重复性'),
 (433, 102, 'C', '理论板数'),
 (434, 102, 'D', '分离度'),
 (435, 102, 'E', '灵敏度');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (32, 19, 11, 'A．2～10℃　B．不超过20℃　C．避光并不超过20℃　D．10～30℃　E．用不透光的容器包装', 5, 5);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (103, 32, '《中国药典》贮藏项下的“凉暗处”系指', 'C', '药典凡例规定，凉暗处系指贮藏处避光并不超过20℃。', '', 1);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (104, 32, '《中国药典》贮藏项下的“遮光”系指', 'E', '遮光系指用不透光的容器包装，例如棕色容器或适宜黑色材料包裹的无色透明、半透明容器。', '', 2);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (105, 32, '《中国药典》贮藏项下的“冷处”系指', 'A', '药典凡例规定，冷处系指贮藏温度为2～10℃。', '', 3);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (106, 32, '《中国药典》贮藏项下的“常温（室温）”系指', 'D', '药典凡例规定，常温（室温）系指温度为10～30℃。', '', 4);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (107, 32, '《中国药典》贮藏项下的“阴凉处”系指', 'B', '药典凡例规定，阴凉处系指贮藏处温度不超过20℃。', '', 5);

-- 液体制剂
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (33, 21, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (108, 33, '下列表面活性剂中属于非离子型的是', 'C', '聚山梨酯80（吐温80）在水中不解离，属于非离子型表面活性剂；十二烷基硫酸钠、硬脂酸钠为阴离子型，苯扎溴铵为阳离子型，卵磷脂为两性离子型。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (436, 108, 'A', '十二烷基硫酸钠'),
 (437, 108, 'B', '苯扎溴铵'),
 (438, 108, 'C', '聚山梨酯80'),
 (439, 108, 'D', '卵磷脂'),
 (440, 108, 'E', '硬脂酸钠');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (109, 33, '主要用于皮肤、黏膜和器械消毒的表面活性剂类型是', 'A', '苯扎溴铵、苯扎氯铵等季铵盐类阳离子型表面活性剂杀菌作用强，主要用于皮肤、黏膜和手术器械的消毒。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (441, 109, 'A', '阳离子型表面活性剂'),
 (442, 109, 'B', '阴离子型表面活性剂'),
 (443, 109, 'C', '非离子型表面活性剂'),
 (444, 109, 'D', '两性离子型表面活性剂'),
 (445, 109, 'E', '高分子表面活性剂');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (110, 33, '用作O/W型乳化剂的表面活性剂，其HLB值一般为', 'D', 'HLB值8～16的表面活性剂适合作O/W型乳化剂，3～8适合作W/O型乳化剂，7～9适合作润湿剂，15～18适合作增溶剂。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (446, 110, 'A', '1～3'),
 (447, 110, 'B', '3～8'),
 (448, 110, 'C', '7～9'),
 (449, 110, 'D', '8～16'),
 (450, 110, 'E', '15～18');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (111, 33, '根据Stokes定律，混悬微粒的沉降速度', 'E', 'Stokes定律V=2r<sup>2</sup>(ρ<sub>1</sub>-ρ<sub>2</sub>)g/9η表明，沉降速度与微粒半径的平方、微粒与介质的密度差成正比，与介质黏度成反比。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (451, 111, 'A', '与重力加速度无关'),
 (452, 111, 'B', '与微粒半径成反比'),
 (453, 111, 'C', '与分散介质的黏度成正比'),
 (454, 111, 'D', '与微粒和介质的密度差成反比'),
 (455, 111, 'E', '与微粒半径的平方成正比');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (112, 33, '聚山梨酯类表面活性剂的水溶液加热至某一温度时突然出现浑浊，该温度称为', 'A', '含聚氧乙烯基的非离子型表面活性剂受热时聚氧乙烯链与水的氢键断裂，溶解度骤降而析出浑浊，此现象称起昙，该温度称昙点；Krafft点是离子型表面活性剂的特征值。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (456, 112, 'A', '昙点'),
 (457, 112, 'B', 'Krafft点'),
 (458, 112, 'C', '临界胶束浓度'),
 (459, 112, 'D', '熔点'),
 (460, 112, 'E', '玻璃化转变温度');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (34, 21, 5, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (113, 34, '由于分散相与分散介质存在密度差，乳滴上浮或下沉的现象是', 'A', '分层又称乳析，是乳滴在重力作用下上浮或下沉的现象，乳滴仍完整，振摇后可恢复均匀。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (461, 113, 'A', '分层'),
 (462, 113, 'B', '絮凝'),
 (463, 113, 'C', '转相'),
 (464, 113, 'D', '合并与破裂'),
 (465, 113, 'E', '酸败');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (114, 34, '乳滴ζ电位降低，乳滴发生可逆性聚集但仍保持各自完整的现象是', 'B', '乳滴荷电减少、ζ电位降低时发生絮凝，乳滴及乳化膜仍保持完整，是可逆的，但常是合并的前奏。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (466, 114, 'A', '分层'),
 (467, 114, 'B', '絮凝'),
 (468, 114, 'C', '转相'),
 (469, 114, 'D', '合并与破裂'),
 (470, 114, 'E', '酸败');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (115, 34, '乳化膜被破坏，乳滴变大并最终与连续相分离成不相混溶两层的不可逆现象是', 'D', '乳化膜破坏使乳滴合并变大，进而油水完全分离成两层，称为合并与破裂，是不可逆的。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (471, 115, 'A', '分层'),
 (472, 115, 'B', '絮凝'),
 (473, 115, 'C', '转相'),
 (474, 115, 'D', '合并与破裂'),
 (475, 115, 'E', '酸败');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (116, 34, '乳剂受光、热、空气及微生物等影响，油相或乳化剂发生变质的现象是', 'E', '酸败是乳剂中油相或乳化剂受外界因素及微生物作用而变质，可通过加入抗氧剂和防腐剂防止。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (476, 116, 'A', '分层'),
 (477, 116, 'B', '絮凝'),
 (478, 116, 'C', '转相'),
 (479, 116, 'D', '合并与破裂'),
 (480, 116, 'E', '酸败');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (117, 34, '由于乳化剂性质改变，O/W型乳剂转变为W/O型乳剂的现象是', 'C', '转相是乳剂类型由O/W型转变为W/O型或相反的现象，通常因乳化剂性质改变（如加入相反类型的乳化剂）而引起。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (481, 117, 'A', '分层'),
 (482, 117, 'B', '絮凝'),
 (483, 117, 'C', '转相'),
 (484, 117, 'D', '合并与破裂'),
 (485, 117, 'E', '酸败');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (35, 21, 8, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (118, 35, '混悬剂中常用的稳定剂包括', 'BCDE', '混悬剂的稳定剂包括助悬剂（增加黏度）、润湿剂（改善疏水性药物的润湿）以及调节ζ电位的絮凝剂与反絮凝剂；崩解剂是片剂辅料。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (486, 118, 'A', '崩解剂'),
 (487, 118, 'B', '润湿剂'),
 (488, 118, 'C', '絮凝剂'),
 (489, 118, 'D', '助悬剂'),
 (490, 118, 'E', '反絮凝剂');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (36, 21, 10, '某医院制剂室配制炉甘石洗剂，处方为：炉甘石150 g，氧化锌50 g，甘油50 ml，羧甲基纤维素钠2.5 g，纯化水加至1000 ml。配制时将炉甘石、氧化锌研细过筛，加甘油研磨成糊状，再加入羧甲基纤维素钠水溶液研匀，最后加纯化水至全量。', 3, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (119, 36, '该制剂的分散体系类型属于', 'D', '炉甘石和氧化锌为难溶性固体药物，以微粒状态分散于液体介质中，形成非均相的混悬剂。', '', 1);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (491, 119, 'A', '溶胶剂'),
 (492, 119, 'B', '溶液剂'),
 (493, 119, 'C', '乳剂'),
 (494, 119, 'D', '混悬剂'),
 (495, 119, 'E', '高分子溶液剂');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (120, 36, '处方中甘油和羧甲基纤维素钠的作用分别是', 'C', '甘油可降低固液界面张力，使疏水性粉末易被水润湿，作润湿剂；羧甲基纤维素钠增加分散介质黏度，作助悬剂。', '', 2);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (496, 120, 'A', '絮凝剂、反絮凝剂'),
 (497, 120, 'B', '助悬剂、润湿剂'),
 (498, 120, 'C', '润湿剂、助悬剂'),
 (499, 120, 'D', '防腐剂、矫味剂'),
 (500, 120, 'E', '增溶剂、乳化剂');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (121, 36, '根据Stokes定律，可提高该制剂物理稳定性的措施有', 'ADE', '沉降速度与微粒半径的平方及密度差成正比、与介质黏度成反比，故减小粒径、增加黏度、减小密度差均可延缓沉降。', '', 3);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (501, 121, 'A', '减小微粒与分散介质的密度差'),
 (502, 121, 'B', '升高贮存温度'),
 (503, 121, 'C', '增大微粒粒径'),
 (504, 121, 'D', '增加分散介质的黏度'),
 (505, 121, 'E', '减小微粒粒径');

-- 片剂
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (37, 22, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (122, 37, '交联聚维酮在片剂中主要用作', 'A', '交联聚维酮不溶于水，但吸水后迅速膨胀，是常用的超级崩解剂。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (506, 122, 'A', '崩解剂'),
 (507, 122, 'B', '润滑剂'),
 (508, 122, 'C', '黏合剂'),
 (509, 122, 'D', '填充剂'),
 (510, 122, 'E', '包衣材料');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (123, 37, '《中国药典》规定，普通压制片的崩解时限为', 'B', '除另有规定外，普通压制片应在15分钟内全部崩解。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (511, 123, 'A', '5分钟'),
 (512, 123, 'B', '15分钟'),
 (513, 123, 'C', '30分钟'),
 (514, 123, 'D', '60分钟'),
 (515, 123, 'E', '120分钟');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (124, 37, '《中国药典》规定，薄膜衣片的崩解时限为', 'C', '除另有规定外，薄膜衣片在盐酸溶液中检查，应在30分钟内全部崩解。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (516, 124, 'A', '5分钟'),
 (517, 124, 'B', '15分钟'),
 (518, 124, 'C', '30分钟'),
 (519, 124, 'D', '60分钟'),
 (520, 124, 'E', '120分钟');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (125, 37, '泡腾片中常用的泡腾崩解剂组成是', 'D', '泡腾崩解剂由碳酸盐（如碳酸氢钠）和有机酸（如枸橼酸、酒石酸）组成，遇水反应产生二氧化碳使片剂迅速崩解。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (521, 125, 'A', '乳糖与微晶纤维素'),
 (522, 125, 'B', '碳酸钙与硬脂酸'),
 (523, 125, 'C', '氯化钠与淀粉'),
 (524, 125, 'D', '碳酸氢钠与枸橼酸'),
 (525, 125, 'E', '硫酸钙与糊精');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (126, 37, '粉末直接压片中常用的“干黏合剂”是', 'E', '微晶纤维素可压性好，兼有黏合、助流和崩解作用，是粉末直接压片常用的干黏合剂。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (526, 126, 'A', '淀粉浆'),
 (527, 126, 'B', '硬脂酸镁'),
 (528, 126, 'C', '滑石粉'),
 (529, 126, 'D', '羧甲基纤维素钠'),
 (530, 126, 'E', '微晶纤维素');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (38, 22, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (127, 38, '下列属于肠溶包衣材料的有', 'ABE', 'CAP、HPMCP和丙烯酸树脂Ⅱ号、Ⅲ号在胃酸中不溶、在肠液中溶解，为肠溶衣材料；HPMC为胃溶型薄膜衣材料，聚乙二醇常用作增塑剂或致孔剂。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (531, 127, 'A', '醋酸纤维素酞酸酯（CAP）'),
 (532, 127, 'B', '羟丙甲纤维素酞酸酯（HPMCP）'),
 (533, 127, 'C', '聚乙二醇'),
 (534, 127, 'D', '羟丙甲纤维素（HPMC）'),
 (535, 127, 'E', '丙烯酸树脂Ⅱ号');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (39, 22, 9, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (128, 39, '压片过程中出现松片，可能的原因有', 'CDE', '松片是片剂硬度不够，主要与物料黏性不足、颗粒过干、压力过小或物料弹性大有关；润滑剂不足、冲头粗糙主要引起黏冲。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (536, 128, 'A', '冲头表面粗糙'),
 (537, 128, 'B', '润滑剂用量不足'),
 (538, 128, 'C', '黏合剂黏性不足或用量不足'),
 (539, 128, 'D', '压力过小'),
 (540, 128, 'E', '颗粒含水量过低（过干）');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (129, 39, '压片过程中出现黏冲，可能的原因有', 'ABE', '黏冲是片剂表面被冲头黏去部分物料，常因颗粒太潮、润滑剂不足、冲头表面粗糙或刻字过深以及物料易吸湿所致。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (541, 129, 'A', '颗粒含水量过多'),
 (542, 129, 'B', '冲头表面粗糙或刻字太深'),
 (543, 129, 'C', '压力过小'),
 (544, 129, 'D', '崩解剂用量过多'),
 (545, 129, 'E', '润滑剂用量不足');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (130, 39, '除另有规定外，普通压制片应进行的质量检查项目有', 'BC', '普通片剂常规检查重量差异（或含量均匀度）和崩解时限；融变时限用于栓剂等，释放度用于缓控释制剂，发泡量用于阴道泡腾片。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (546, 130, 'A', '融变时限'),
 (547, 130, 'B', '重量差异'),
 (548, 130, 'C', '崩解时限'),
 (549, 130, 'D', '发泡量'),
 (550, 130, 'E', '释放度');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (40, 22, 11, 'A．淀粉浆　B．羧甲淀粉钠　C．硬脂酸镁　D．乳糖　E．羟丙甲纤维素', 5, 5);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (131, 40, '片剂中常用作润滑剂的是', 'C', '硬脂酸镁为疏水性润滑剂，可减少颗粒与冲模间的摩擦，用量一般为0.1%～1%。', '', 1);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (132, 40, '片剂中常用作填充剂（稀释剂）的是', 'D', '乳糖性质稳定、可压性好，是片剂常用的填充剂。', '', 2);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (133, 40, '片剂中常用作崩解剂的是', 'B', '羧甲淀粉钠吸水膨胀性强，是常用的超级崩解剂。', '', 3);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (134, 40, '片剂制粒时常用作黏合剂的是', 'A', '淀粉浆是湿法制粒中最常用的黏合剂，价廉且黏性适中。', '', 4);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (135, 40, '常用作胃溶型薄膜衣材料的是', 'E', '羟丙甲纤维素成膜性好，在胃液中溶解，是最常用的胃溶型薄膜衣材料。', '', 5);

-- 注射剂与灭菌
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (41, 23, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (136, 41, '注射剂热原污染最主要的途径是', 'D', '注射用水是注射剂中用量最大的成分，蒸馏设备结构不合理、操作不当或贮存时间过长均易造成热原污染，故溶剂是热原污染的主要途径。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (551, 136, 'A', '从制备过程中带入'),
 (552, 136, 'B', '从原辅料中带入'),
 (553, 136, 'C', '从容器、用具中带入'),
 (554, 136, 'D', '从溶剂（注射用水）中带入'),
 (555, 136, 'E', '从输液器具中带入');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (137, 41, '玻璃器皿除去热原常用的方法是', 'C', '热原耐热性强，一般湿热灭菌条件不能将其破坏，耐高温的玻璃器皿、金属用具通常采用250℃干热30分钟以上破坏热原。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (556, 137, 'A', '100℃流通蒸汽30分钟'),
 (557, 137, 'B', '121℃热压灭菌15分钟'),
 (558, 137, 'C', '250℃干热30分钟以上'),
 (559, 137, 'D', '紫外线照射'),
 (560, 137, 'E', '0.22 μm微孔滤膜过滤');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (138, 41, '关于F<sub>0</sub>值的叙述，正确的是', 'A', 'F<sub>0</sub>值是将不同温度下的灭菌效果折算成121℃热压灭菌的等效时间（Z=10℃），仅用于热压灭菌；在一定温度下杀灭90%微生物所需的时间为D值，使D值降低90%所需升高的温度为Z值。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (561, 138, 'A', 'F<sub>0</sub>值是以121℃为参比温度、用于热压灭菌的标准灭菌时间'),
 (562, 138, 'B', '在一定温度下杀灭90%微生物所需的时间'),
 (563, 138, 'C', '使D值降低90%所需升高的温度'),
 (564, 138, 'D', '干热灭菌后被灭菌物品中残存的微生物数'),
 (565, 138, 'E', '灭菌后微生物的存活概率');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (139, 41, '血浆的冰点为', 'E', '血浆冰点为-0.52℃，冰点降低值为0.52℃的水溶液即与血浆等渗；1%氯化钠溶液的冰点降低值为0.58℃，据此可计算等渗调节剂用量。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (566, 139, 'A', '-0.25℃'),
 (567, 139, 'B', '-0.58℃'),
 (568, 139, 'C', '0℃'),
 (569, 139, 'D', '-1.00℃'),
 (570, 139, 'E', '-0.52℃');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (140, 41, '与血浆等渗的氯化钠溶液浓度为', 'A', '0.9%氯化钠溶液与血浆渗透压相等，为生理盐水；5%葡萄糖溶液亦为等渗溶液。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (571, 140, 'A', '0.9%'),
 (572, 140, 'B', '0.5%'),
 (573, 140, 'C', '1.8%'),
 (574, 140, 'D', '5%'),
 (575, 140, 'E', '10%');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (141, 41, '注射剂的pH一般应控制在', 'B', '注射剂pH应尽量接近血液pH（约7.4），一般控制在4～9，以减少刺激性并保证药物稳定。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (576, 141, 'A', '1～3'),
 (577, 141, 'B', '4～9'),
 (578, 141, 'C', '10～12'),
 (579, 141, 'D', '2～4'),
 (580, 141, 'E', '9～11');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (42, 23, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (142, 42, '患者，女，60岁，静脉滴注某批次葡萄糖注射液约30分钟后出现寒战、高热（体温39.5℃），停止输液并对症处理后缓解，该批输液经检验热原不合格。热原的主要致热成分是', 'D', '热原是微生物的代谢产物，主要为革兰阴性菌细胞壁中的内毒素，由脂多糖、磷脂和蛋白质组成，其中脂多糖是致热活性最强的成分。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (581, 142, 'A', '核酸'),
 (582, 142, 'B', '蛋白质'),
 (583, 142, 'C', '磷脂'),
 (584, 142, 'D', '脂多糖'),
 (585, 142, 'E', '胆固醇');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (43, 23, 5, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (143, 43, '不耐热的塑料医疗器械灭菌常用的方法是', 'E', '环氧乙烷气体穿透力强，可在较低温度下杀灭微生物，适用于不耐热的塑料制品和医疗器械，灭菌后需解析除去残留气体。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (586, 143, 'A', '干热灭菌法'),
 (587, 143, 'B', '热压灭菌法'),
 (588, 143, 'C', '紫外线灭菌法'),
 (589, 143, 'D', '过滤除菌法'),
 (590, 143, 'E', '环氧乙烷气体灭菌法');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (144, 43, '不耐热药物溶液除菌常用的方法是', 'D', '过滤除菌法用0.22 μm微孔滤膜滤除细菌，不加热，适用于对热不稳定的药物溶液。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (591, 144, 'A', '干热灭菌法'),
 (592, 144, 'B', '热压灭菌法'),
 (593, 144, 'C', '紫外线灭菌法'),
 (594, 144, 'D', '过滤除菌法'),
 (595, 144, 'E', '环氧乙烷气体灭菌法');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (145, 43, '耐高温玻璃器皿灭菌并同时破坏热原常用的方法是', 'A', '干热灭菌温度高，250℃维持30分钟以上可同时灭菌并破坏热原，适用于耐高温的玻璃和金属器具。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (596, 145, 'A', '干热灭菌法'),
 (597, 145, 'B', '热压灭菌法'),
 (598, 145, 'C', '紫外线灭菌法'),
 (599, 145, 'D', '过滤除菌法'),
 (600, 145, 'E', '环氧乙烷气体灭菌法');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (146, 43, '大容量注射剂（输液）灭菌最常用的方法是', 'B', '热压灭菌法利用高压饱和水蒸气，穿透力强、灭菌可靠，是输液等耐热制剂最常用的灭菌方法。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (601, 146, 'A', '干热灭菌法'),
 (602, 146, 'B', '热压灭菌法'),
 (603, 146, 'C', '紫外线灭菌法'),
 (604, 146, 'D', '过滤除菌法'),
 (605, 146, 'E', '环氧乙烷气体灭菌法');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (147, 43, '无菌操作室空气和物体表面灭菌常用的方法是', 'C', '紫外线穿透力弱，只适用于空气和物体表面灭菌，不能用于溶液和固体物质深部的灭菌。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (606, 147, 'A', '干热灭菌法'),
 (607, 147, 'B', '热压灭菌法'),
 (608, 147, 'C', '紫外线灭菌法'),
 (609, 147, 'D', '过滤除菌法'),
 (610, 147, 'E', '环氧乙烷气体灭菌法');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (44, 23, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (148, 44, '热原的性质包括', 'ABCDE', '热原具有耐热性、过滤性（能通过一般滤器）、水溶性、不挥发性，并能被强酸、强碱、强氧化剂及超声波等破坏，这些性质是除去热原方法的依据。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (611, 148, 'A', '不挥发性'),
 (612, 148, 'B', '过滤性'),
 (613, 148, 'C', '可被强酸、强碱和强氧化剂破坏'),
 (614, 148, 'D', '水溶性'),
 (615, 148, 'E', '耐热性');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (45, 23, 7, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (149, 45, '某制药企业生产一批5%葡萄糖注射液（500 ml/瓶），灌封后需选择灭菌方法并进行质量检查。下列说法正确的有', 'ABCD', '输液为耐热的大容量注射剂，应采用热压灭菌，并检查无菌、细菌内毒素或热原、可见异物、不溶性微粒等；紫外线穿透力弱，不能用于溶液灭菌。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (616, 149, 'A', '应进行细菌内毒素或热原检查'),
 (617, 149, 'B', '应采用热压灭菌法灭菌'),
 (618, 149, 'C', '应进行可见异物检查'),
 (619, 149, 'D', '灭菌后应进行无菌检查'),
 (620, 149, 'E', '可采用紫外线照射代替热压灭菌');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (46, 23, 11, 'A．亚硫酸氢钠　B．苯甲醇　C．依地酸二钠　D．氯化钠　E．聚山梨酯80', 5, 5);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (150, 46, '注射剂中常用的抗氧剂', 'A', '亚硫酸氢钠为还原性抗氧剂，适用于偏酸性的注射液。', '', 1);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (151, 46, '注射剂中常用的金属离子络合剂', 'C', '依地酸二钠能与金属离子形成稳定络合物，消除金属离子对药物氧化的催化作用。', '', 2);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (152, 46, '注射剂中常用的增溶剂', 'E', '聚山梨酯80为非离子型表面活性剂，可形成胶束增加难溶性药物的溶解度。', '', 3);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (153, 46, '兼有局部止痛和抑菌作用的注射剂附加剂', 'B', '苯甲醇可作局部止痛剂和抑菌剂，但禁止用于儿童肌内注射。', '', 4);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (154, 46, '注射剂中常用的等渗调节剂', 'D', '氯化钠和葡萄糖是注射剂最常用的等渗调节剂。', '', 5);

-- 药品管理法律法规
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (47, 26, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (155, 47, '根据《中华人民共和国药品管理法》，下列情形应认定为假药的是', 'C', '《药品管理法》规定，变质的药品为假药；被污染、超过有效期、未注明或更改产品批号、擅自添加防腐剂或辅料的药品为劣药。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (621, 155, 'A', '超过有效期的药品'),
 (622, 155, 'B', '被污染的药品'),
 (623, 155, 'C', '变质的药品'),
 (624, 155, 'D', '未注明产品批号的药品'),
 (625, 155, 'E', '擅自添加防腐剂的药品');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (156, 47, '根据《中华人民共和国药品管理法》，药品成份的含量不符合国家药品标准的，应认定为', 'E', '《药品管理法》规定，药品成份的含量不符合国家药品标准的为劣药；药品所含成份与国家药品标准规定的成份不符的才是假药。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (626, 156, 'A', '不合格原料'),
 (627, 156, 'B', '假药'),
 (628, 156, 'C', '按假药论处'),
 (629, 156, 'D', '按劣药论处'),
 (630, 156, 'E', '劣药');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (157, 47, '《中华人民共和国药品管理法》规定，国家对药品管理实行', 'A', '2019年修订的《药品管理法》确立国家对药品管理实行药品上市许可持有人制度，持有人依法对药品研制、生产、经营、使用全过程中的安全性、有效性和质量可控性负责。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (631, 157, 'A', '药品上市许可持有人制度'),
 (632, 157, 'B', '药品经营质量管理规范认证制度'),
 (633, 157, 'C', '药品生产企业终身负责制'),
 (634, 157, 'D', '药品价格政府审批制度'),
 (635, 157, 'E', '药品广告备案制度');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (158, 47, '《处方管理办法》规定，处方开具当日有效。特殊情况下需延长有效期的，由开具处方的医师注明有效期限，但有效期最长不得超过', 'B', '处方为开具当日有效；特殊情况需延长有效期的，由开具处方的医师注明有效期限，但最长不得超过3天。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (636, 158, 'A', '5天'),
 (637, 158, 'B', '3天'),
 (638, 158, 'C', '7天'),
 (639, 158, 'D', '15天'),
 (640, 158, 'E', '1天');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (159, 47, '《处方管理办法》规定，急诊处方一般不得超过', 'C', '处方一般不得超过7日用量；急诊处方一般不得超过3日用量；慢性病、老年病或特殊情况可适当延长，但医师应注明理由。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (641, 159, 'A', '5日用量'),
 (642, 159, 'B', '1日用量'),
 (643, 159, 'C', '3日用量'),
 (644, 159, 'D', '7日用量'),
 (645, 159, 'E', '15日用量');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (160, 47, '《处方管理办法》规定，儿科处方的印刷用纸颜色为', 'E', '普通处方为白色，急诊处方为淡黄色，儿科处方为淡绿色，麻醉药品和第一类精神药品处方为淡红色，第二类精神药品处方为白色。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (646, 160, 'A', '淡蓝色'),
 (647, 160, 'B', '白色'),
 (648, 160, 'C', '淡黄色'),
 (649, 160, 'D', '淡红色'),
 (650, 160, 'E', '淡绿色');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (48, 26, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (161, 48, '某患者持处方到医院门诊药房取药，药师审核时发现处方中两种药物存在配伍禁忌。根据《处方管理办法》，药师正确的做法是', 'D', '药师经处方审核认为存在用药不适宜时，应当告知处方医师，请其确认或者重新开具处方；药师不得擅自修改处方，发现严重不合理用药或用药错误应拒绝调剂并按规定报告。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (651, 161, 'A', '删除其中一种药物后调配'),
 (652, 161, 'B', '药师自行修改处方后调配'),
 (653, 161, 'C', '按原处方调配，嘱患者分开服用'),
 (654, 161, 'D', '告知处方医师，请其确认或者重新开具处方'),
 (655, 161, 'E', '由患者自行选择服用哪种药物');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (49, 26, 5, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (162, 49, '普通处方的保存期限为', 'A', '《处方管理办法》规定，普通处方、急诊处方、儿科处方保存期限为1年。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (656, 162, 'A', '1年'),
 (657, 162, 'B', '2年'),
 (658, 162, 'C', '3年'),
 (659, 162, 'D', '5年'),
 (660, 162, 'E', '半年');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (163, 49, '急诊处方的保存期限为', 'A', '急诊处方与普通处方、儿科处方相同，保存期限为1年。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (661, 163, 'A', '1年'),
 (662, 163, 'B', '2年'),
 (663, 163, 'C', '3年'),
 (664, 163, 'D', '5年'),
 (665, 163, 'E', '半年');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (164, 49, '医疗用毒性药品、第二类精神药品处方的保存期限为', 'B', '医疗用毒性药品、第二类精神药品处方保存期限为2年。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (666, 164, 'A', '1年'),
 (667, 164, 'B', '2年'),
 (668, 164, 'C', '3年'),
 (669, 164, 'D', '5年'),
 (670, 164, 'E', '半年');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (165, 49, '麻醉药品和第一类精神药品处方的保存期限为', 'C', '麻醉药品和第一类精神药品处方保存期限为3年，期满后经医疗机构主要负责人批准、登记备案，方可销毁。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (671, 165, 'A', '1年'),
 (672, 165, 'B', '2年'),
 (673, 165, 'C', '3年'),
 (674, 165, 'D', '5年'),
 (675, 165, 'E', '半年');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (50, 26, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (166, 50, '根据《中华人民共和国药品管理法》，应认定为劣药的有', 'ACDE', '未标明或者更改有效期、未注明或者更改产品批号、超过有效期以及擅自添加防腐剂、辅料的药品均属劣药；以非药品冒充药品或者以他种药品冒充此种药品的，为假药。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (676, 166, 'A', '超过有效期的药品'),
 (677, 166, 'B', '以非药品冒充药品'),
 (678, 166, 'C', '未标明或者更改有效期的药品'),
 (679, 166, 'D', '未注明或者更改产品批号的药品'),
 (680, 166, 'E', '擅自添加防腐剂、辅料的药品');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (51, 26, 8, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (167, 51, '药师调剂处方时必须做到“四查十对”，其内容包括', 'BCDE', '《处方管理办法》规定的“四查十对”为：查处方，对科别、姓名、年龄；查药品，对药名、剂型、规格、数量；查配伍禁忌，对药品性状、用法用量；查用药合理性，对临床诊断。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (681, 167, 'A', '查药品价格，对医保类别'),
 (682, 167, 'B', '查配伍禁忌，对药品性状、用法用量'),
 (683, 167, 'C', '查用药合理性，对临床诊断'),
 (684, 167, 'D', '查处方，对科别、姓名、年龄'),
 (685, 167, 'E', '查药品，对药名、剂型、规格、数量');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (52, 26, 10, '患者，男，58岁，持一张门诊普通处方到药房取药。处方内容为：阿莫西林胶囊 0.5 g×60粒，用法：每次0.5 g，每日3次，口服。处方开具日期为5天前，医师未注明延长有效期，也未注明超量理由。', 3, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (168, 52, '按该处方用法，所开药量为20日用量。根据《处方管理办法》，门诊普通处方一般不得超过', 'B', '处方一般不得超过7日用量，急诊处方一般不得超过3日用量；对慢性病、老年病或特殊情况可适当延长，但医师应注明理由。', '', 1);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (686, 168, 'A', '3日用量'),
 (687, 168, 'B', '7日用量'),
 (688, 168, 'C', '15日用量'),
 (689, 168, 'D', '30日用量'),
 (690, 168, 'E', '14日用量');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (169, 52, '关于该处方的有效期，正确的有', 'ABD', '处方开具当日有效，特殊情况经医师注明最长可延长至3天；该处方开具于5天前且未注明延长，已失效。', '', 2);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (691, 169, 'A', '处方为开具当日有效'),
 (692, 169, 'B', '该处方已超过有效期'),
 (693, 169, 'C', '处方有效期为7天，该处方仍可调配'),
 (694, 169, 'D', '特殊情况需延长有效期的，由开具处方的医师注明，最长不得超过3天'),
 (695, 169, 'E', '患者出示病历即可延长处方有效期');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (170, 52, '药师对该处方的正确处理是', 'A', '该处方已超过有效期且用量超出规定，药师不得调配，也不得擅自修改处方，应请患者就诊由医师重新开具合格处方。', '', 3);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (696, 170, 'A', '不予调配，请患者就诊由医师重新开具处方'),
 (697, 170, 'B', '按原处方全量调配'),
 (698, 170, 'C', '药师将用量改为7日用量后调配'),
 (699, 170, 'D', '仅调配3日用量'),
 (700, 170, 'E', '先调配，事后报告医务部门');

-- 特殊管理药品
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (53, 27, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (171, 53, '为门（急）诊一般患者开具的麻醉药品注射剂，每张处方为', 'E', '为门（急）诊患者开具的麻醉药品、第一类精神药品注射剂，每张处方为一次常用量；控缓释制剂不得超过7日常用量；其他剂型不得超过3日常用量。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (701, 171, 'A', '15日常用量'),
 (702, 171, 'B', '1日常用量'),
 (703, 171, 'C', '3日常用量'),
 (704, 171, 'D', '7日常用量'),
 (705, 171, 'E', '一次常用量');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (172, 53, '第二类精神药品一般每张处方不得超过', 'C', '第二类精神药品一般每张处方不得超过7日常用量；对于慢性病或某些特殊情况的患者，处方用量可以适当延长，医师应当注明理由。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (706, 172, 'A', '1日常用量'),
 (707, 172, 'B', '3日常用量'),
 (708, 172, 'C', '7日常用量'),
 (709, 172, 'D', '15日常用量'),
 (710, 172, 'E', '一次常用量');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (173, 53, '医疗用毒性药品每次处方剂量不得超过', 'D', '《医疗用毒性药品管理办法》规定，医疗单位供应和调配毒性药品，每次处方剂量不得超过2日极量。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (711, 173, 'A', '7日常用量'),
 (712, 173, 'B', '1日极量'),
 (713, 173, 'C', '3日极量'),
 (714, 173, 'D', '2日极量'),
 (715, 173, 'E', '一次常用量');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (174, 53, '下列药品中属于第一类精神药品的是', 'E', '哌醋甲酯属于第一类精神药品；地西泮、艾司唑仑属于第二类精神药品；吗啡、可待因属于麻醉药品。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (716, 174, 'A', '艾司唑仑'),
 (717, 174, 'B', '地西泮'),
 (718, 174, 'C', '吗啡'),
 (719, 174, 'D', '可待因'),
 (720, 174, 'E', '哌醋甲酯');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (175, 53, '为门（急）诊癌症疼痛患者开具的麻醉药品控缓释制剂，每张处方不得超过', 'D', '为门（急）诊癌症疼痛和中、重度慢性疼痛患者开具的麻醉药品、第一类精神药品，注射剂每张处方不得超过3日常用量，控缓释制剂不得超过15日常用量，其他剂型不得超过7日常用量。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (721, 175, 'A', '一次常用量'),
 (722, 175, 'B', '7日常用量'),
 (723, 175, 'C', '3日常用量'),
 (724, 175, 'D', '15日常用量'),
 (725, 175, 'E', '30日常用量');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (176, 53, '麻醉药品和第一类精神药品处方的印刷用纸颜色为', 'B', '麻醉药品和第一类精神药品处方印刷用纸为淡红色，右上角标注“麻、精一”；第二类精神药品处方为白色，右上角标注“精二”。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (726, 176, 'A', '白色'),
 (727, 176, 'B', '淡红色'),
 (728, 176, 'C', '淡黄色'),
 (729, 176, 'D', '淡绿色'),
 (730, 176, 'E', '淡蓝色');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (54, 27, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (177, 54, '患者，女，62岁，肺癌骨转移，门诊诊断为重度癌痛，医师为其开具吗啡注射液用于镇痛。根据《处方管理办法》，该处方每张不得超过', 'A', '为门（急）诊癌症疼痛患者开具的麻醉药品注射剂，每张处方不得超过3日常用量；一般患者的麻醉药品注射剂则每张处方为一次常用量。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (731, 177, 'A', '3日常用量'),
 (732, 177, 'B', '一次常用量'),
 (733, 177, 'C', '7日常用量'),
 (734, 177, 'D', '15日常用量'),
 (735, 177, 'E', '1日常用量');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (55, 27, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (178, 55, '医疗机构对麻醉药品和第一类精神药品实行“五专”管理，其内容包括', 'ABCDE', '医疗机构对麻醉药品和第一类精神药品实行专人负责、专柜加锁、专用账册、专用处方、专册登记的“五专”管理。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (736, 178, 'A', '专用账册'),
 (737, 178, 'B', '专册登记'),
 (738, 178, 'C', '专用处方'),
 (739, 178, 'D', '专柜加锁'),
 (740, 178, 'E', '专人负责');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (56, 27, 7, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (179, 56, '患者，男，70岁，胃癌术后住院，术后疼痛明显，医师为其开具盐酸哌替啶注射液。下列说法正确的有', 'BCDE', '为住院患者开具的麻醉药品和第一类精神药品处方应逐日开具，每张处方为1日常用量；哌替啶处方为一次常用量，仅限于医疗机构内使用；医师须经培训考核合格取得麻醉药品和第一类精神药品处方资格后方可开具。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (741, 179, 'A', '任何执业医师均可开具，无需取得麻醉药品处方资格'),
 (742, 179, 'B', '处方用纸为淡红色，右上角标注“麻、精一”'),
 (743, 179, 'C', '该处方保存期限为3年'),
 (744, 179, 'D', '盐酸哌替啶处方为一次常用量，药品仅限于医疗机构内使用'),
 (745, 179, 'E', '住院患者的麻醉药品处方应逐日开具，每张处方为1日常用量');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (57, 27, 9, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (180, 57, '某门诊患儿被诊断为注意缺陷多动障碍，医师开具盐酸哌醋甲酯片。关于该处方，正确的有', 'ABC', '哌醋甲酯为第一类精神药品，处方用淡红色处方笺；用于治疗儿童多动症时，每张处方不得超过15日常用量。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (746, 180, 'A', '处方用纸为淡红色'),
 (747, 180, 'B', '用于治疗儿童多动症时，每张处方不得超过15日常用量'),
 (748, 180, 'C', '哌醋甲酯属于第一类精神药品'),
 (749, 180, 'D', '哌醋甲酯属于第二类精神药品'),
 (750, 180, 'E', '处方用纸为白色');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (181, 57, '某门诊失眠患者，医师开具艾司唑仑片。关于该处方，正确的有', 'ABD', '艾司唑仑为第二类精神药品，处方用白色处方笺，右上角标注“精二”，一般每张处方不得超过7日常用量，处方保存2年。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (751, 181, 'A', '艾司唑仑属于第二类精神药品'),
 (752, 181, 'B', '处方保存期限为2年'),
 (753, 181, 'C', '处方右上角应标注“麻、精一”'),
 (754, 181, 'D', '一般每张处方不得超过7日常用量'),
 (755, 181, 'E', '处方用纸为淡红色');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (182, 57, '关于医疗用毒性药品的使用管理，正确的有', 'CDE', '《医疗用毒性药品管理办法》规定，每次处方剂量不得超过2日极量；处方一次有效，取药后处方保存2年备查。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (756, 182, 'A', '处方保存1年即可'),
 (757, 182, 'B', '零售药店可无处方随意销售'),
 (758, 182, 'C', '处方一次有效'),
 (759, 182, 'D', '取药后处方保存2年备查'),
 (760, 182, 'E', '每次处方剂量不得超过2日极量');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (58, 27, 11, 'A．蓝白相间　B．绿白相间　C．黑白相间　D．红黄相间　E．红底白字', 5, 5);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (183, 58, '放射性药品专用标志的颜色', 'D', '放射性药品专用标志为红黄相间。', '', 1);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (184, 58, '精神药品专用标志的颜色', 'B', '精神药品专用标志为绿白相间。', '', 2);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (185, 58, '甲类非处方药专有标识的颜色', 'E', '甲类非处方药专有标识为红色椭圆形底阴文“OTC”，乙类非处方药为绿色。', '', 3);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (186, 58, '麻醉药品专用标志的颜色', 'A', '麻醉药品专用标志为蓝白相间。', '', 4);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (187, 58, '医疗用毒性药品专用标志的颜色', 'C', '医疗用毒性药品专用标志为黑白相间。', '', 5);
