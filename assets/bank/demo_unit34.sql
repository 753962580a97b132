-- Demo bank: units 专业知识 and 专业实践能力.
INSERT INTO tree (id, nodename, parentid, code) VALUES
 (100, '药理学', 3, 2),
 (101, '传出神经系统药物', 100, 3),
 (102, '心血管系统药物', 100, 3),
 (103, '抗菌药物', 100, 3),
 (104, '生物药剂学与药物动力学', 3, 2),
 (105, '药物的吸收', 104, 3),
 (106, '药动学基本参数', 104, 3),
 (107, '岗位技能', 4, 2),
 (108, '处方调剂', 107, 3),
 (109, '药品储存与养护', 107, 3),
 (110, '临床药物治疗学', 4, 2),
 (111, '高血压的药物治疗', 110, 3),
 (112, '糖尿病的药物治疗', 110, 3),
 (113, '消化性溃疡的药物治疗', 110, 3);
-- Groups, questions and options.
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (500, 101, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (500, 500, '新斯的明禁用于', 'D', '新斯的明抑制胆碱酯酶，增强胃肠和膀胱平滑肌收缩，机械性肠梗阻、尿路梗阻及支气管哮喘患者禁用；重症肌无力、术后腹气胀和尿潴留、阵发性室上性心动过速均为其适应证。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5000, 500, 'A', '手术后腹气胀'),
 (5001, 500, 'B', '阵发性室上性心动过速'),
 (5002, 500, 'C', '手术后尿潴留'),
 (5003, 500, 'D', '机械性肠梗阻'),
 (5004, 500, 'E', '重症肌无力');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (501, 500, '有机磷酸酯类中毒时，能使被抑制的胆碱酯酶恢复活性的药物是', 'E', '碘解磷定为胆碱酯酶复活药，能与磷酰化胆碱酯酶中的磷酰基结合，使胆碱酯酶游离而恢复活性；阿托品只能阻断M受体、缓解M样症状，不能使酶复活。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5005, 501, 'A', '阿托品'),
 (5006, 501, 'B', '东莨菪碱'),
 (5007, 501, 'C', '新斯的明'),
 (5008, 501, 'D', '毒扁豆碱'),
 (5009, 501, 'E', '碘解磷定');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (502, 500, '阿托品的下列作用中，与阻断M胆碱受体无关的是', 'C', '大剂量阿托品可解除小血管痉挛、改善微循环，其机制与阻断M受体无关，可能与其直接舒张血管或体温升高后的代偿性散热有关；松弛平滑肌、抑制腺体分泌、扩瞳和加快心率均由阻断M受体所致。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5010, 502, 'A', '加快心率'),
 (5011, 502, 'B', '松弛内脏平滑肌'),
 (5012, 502, 'C', '大剂量时解除小血管痉挛'),
 (5013, 502, 'D', '抑制腺体分泌'),
 (5014, 502, 'E', '扩瞳');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (503, 500, '抢救过敏性休克的首选药物是', 'A', '肾上腺素激动α受体收缩血管、升高血压，激动β受体兴奋心脏、舒张支气管并抑制过敏介质释放，能迅速缓解过敏性休克症状，是首选药。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5015, 503, 'A', '肾上腺素'),
 (5016, 503, 'B', '去甲肾上腺素'),
 (5017, 503, 'C', '间羟胺'),
 (5018, 503, 'D', '多巴胺'),
 (5019, 503, 'E', '异丙肾上腺素');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (504, 500, '普萘洛尔禁用于', 'C', '普萘洛尔为非选择性β受体阻断药，阻断支气管平滑肌β<sub>2</sub>受体可诱发或加重支气管痉挛，故禁用于支气管哮喘。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5020, 504, 'A', '窦性心动过速'),
 (5021, 504, 'B', '甲状腺功能亢进'),
 (5022, 504, 'C', '支气管哮喘'),
 (5023, 504, 'D', '心绞痛'),
 (5024, 504, 'E', '高血压');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (505, 500, '如图所示，A、B两药为作用于同一受体的激动药，二者的对数剂量-效应曲线平行，B药曲线右移，最大效应相同。下列关于两药的比较，正确的是', 'A', '效价强度指产生相等效应所需的剂量，所需剂量越小效价强度越高，B药曲线右移说明达相同效应需更大剂量，故A药效价强度高于B药；效能即最大效应（E<sub>max</sub>），两曲线最大效应相同，故效能相同。', 'pic/dose_response.png', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5025, 505, 'A', 'A药效价强度高于B药，二者效能相同'),
 (5026, 505, 'B', 'B药效价强度高于A药，二者效能相同'),
 (5027, 505, 'C', 'A药效能大于B药'),
 (5028, 505, 'D', 'B药效能大于A药'),
 (5029, 505, 'E', '两药的效价强度和效能均相同');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (506, 101, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (506, 506, '患者，男，45岁，误服有机磷农药后出现瞳孔缩小、流涎、大汗、呼吸困难和肌束颤动，立即给予阿托品治疗。阿托品不能缓解的症状是', 'A', '肌束颤动是骨骼肌N<sub>2</sub>受体兴奋引起的烟碱样症状，阿托品只阻断M受体，对其无效；应及早合用碘解磷定等胆碱酯酶复活药。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5030, 506, 'A', '肌束颤动'),
 (5031, 506, 'B', '支气管痉挛所致的呼吸困难'),
 (5032, 506, 'C', '大汗'),
 (5033, 506, 'D', '瞳孔缩小'),
 (5034, 506, 'E', '流涎');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (507, 101, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (507, 507, '毛果芸香碱的药理作用有', 'BCDE', '毛果芸香碱直接激动M受体，使瞳孔括约肌收缩而缩瞳、降低眼内压，使睫状肌收缩而引起调节痉挛，并明显增加汗腺和唾液腺分泌；调节麻痹是阿托品等M受体阻断药的作用。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5035, 507, 'A', '调节麻痹'),
 (5036, 507, 'B', '降低眼内压'),
 (5037, 507, 'C', '调节痉挛'),
 (5038, 507, 'D', '增加汗腺和唾液腺分泌'),
 (5039, 507, 'E', '缩瞳');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (508, 101, 11, 'A．阿托品　B．新斯的明　C．肾上腺素　D．普萘洛尔　E．酚妥拉明', 5, 5);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (508, 508, '用于治疗重症肌无力的是', 'B', '新斯的明抑制胆碱酯酶，并能直接激动骨骼肌运动终板N<sub>2</sub>受体，对骨骼肌兴奋作用强，用于重症肌无力。', '', 1);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (509, 508, '与局麻药配伍，可延缓局麻药吸收、延长局麻作用时间的是', 'C', '肾上腺素收缩局部血管，减少局麻药吸收，既延长局麻作用时间，又降低吸收中毒的危险。', '', 2);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (510, 508, '用于治疗外周血管痉挛性疾病的是', 'E', '酚妥拉明阻断血管平滑肌α受体并直接舒张血管，可用于雷诺综合征等外周血管痉挛性疾病。', '', 3);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (511, 508, '用于麻醉前给药，以减少呼吸道腺体分泌的是', 'A', '阿托品阻断M受体，抑制呼吸道腺体和唾液腺分泌，防止分泌物阻塞呼吸道及吸入性肺炎。', '', 4);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (512, 508, '用于治疗窦性心动过速的是', 'D', '普萘洛尔阻断心脏β<sub>1</sub>受体，降低窦房结自律性，减慢心率，对交感神经兴奋所致的窦性心动过速效果好。', '', 5);
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (509, 102, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (513, 509, '卡托普利最常见的不良反应是', 'D', 'ACEI抑制激肽酶Ⅱ，使缓激肽、P物质等在呼吸道蓄积，引起无痰干咳，是其最常见的不良反应；ACEI减少醛固酮分泌，可致高血钾而非低血钾。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5040, 513, 'A', '踝部水肿'),
 (5041, 513, 'B', '低血糖'),
 (5042, 513, 'C', '低血钾'),
 (5043, 513, 'D', '刺激性干咳'),
 (5044, 513, 'E', '心率减慢');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (514, 509, '地高辛中毒引起快速型室性心律失常，除停药、补钾外，宜选用', 'C', '苯妥英钠能与强心苷竞争Na<sup>+</sup>,K<sup>+</sup>-ATP酶，恢复该酶活性，对强心苷中毒所致的快速型心律失常疗效好；奎尼丁、维拉帕米可升高地高辛血药浓度，不宜选用。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5045, 514, 'A', '异丙肾上腺素'),
 (5046, 514, 'B', '奎尼丁'),
 (5047, 514, 'C', '苯妥英钠'),
 (5048, 514, 'D', '普鲁卡因胺'),
 (5049, 514, 'E', '维拉帕米');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (515, 509, '硝酸甘油缓解心绞痛的主要作用机制是', 'A', '硝酸甘油在血管平滑肌内释放NO，以扩张静脉为主，减少回心血量，降低前负荷和室壁张力，从而降低心肌耗氧量，同时舒张冠状血管、增加缺血区供血。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5050, 515, 'A', '扩张静脉，降低心脏前负荷，降低心肌耗氧量'),
 (5051, 515, 'B', '抑制心肌收缩力'),
 (5052, 515, 'C', '阻滞心肌细胞钙通道'),
 (5053, 515, 'D', '阻断心脏β<sub>1</sub>受体'),
 (5054, 515, 'E', '减慢心率');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (516, 509, '洛伐他汀降血脂的作用机制是', 'C', '他汀类竞争性抑制胆固醇合成的限速酶HMG-CoA还原酶，使肝细胞内胆固醇合成减少，代偿性增加肝细胞膜LDL受体，加速血浆LDL清除。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5055, 516, 'A', '激活过氧化物酶体增殖物激活受体α'),
 (5056, 516, 'B', '在肠道与胆汁酸结合'),
 (5057, 516, 'C', '抑制HMG-CoA还原酶'),
 (5058, 516, 'D', '激活脂蛋白脂酶'),
 (5059, 516, 'E', '抑制肠道胆固醇吸收');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (517, 509, '长期应用可引起肺间质纤维化的抗心律失常药是', 'A', '胺碘酮分子中含碘，长期应用可致肺间质纤维化、甲状腺功能异常、角膜褐色微粒沉着等，其中肺毒性最为严重，用药期间应定期检查肺功能。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5060, 517, 'A', '胺碘酮'),
 (5061, 517, 'B', '美西律'),
 (5062, 517, 'C', '普萘洛尔'),
 (5063, 517, 'D', '维拉帕米'),
 (5064, 517, 'E', '利多卡因');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (514, 102, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (518, 514, '患者，女，68岁，慢性心力衰竭，长期服用地高辛0.25 mg qd。近日出现食欲减退、恶心、呕吐、视物发黄，心电图示频发室性期前收缩。首先应采取的措施是', 'A', '胃肠道反应、黄视和室性期前收缩提示地高辛中毒，首要措施是立即停药，再根据情况补钾、使用苯妥英钠或地高辛特异性抗体；钙剂和排钾利尿药会加重强心苷毒性。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5065, 518, 'A', '立即停用地高辛'),
 (5066, 518, 'B', '加用氢氯噻嗪'),
 (5067, 518, 'C', '增加地高辛剂量'),
 (5068, 518, 'D', '加用奎尼丁'),
 (5069, 518, 'E', '静脉注射葡萄糖酸钙');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (515, 102, 5, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (519, 515, '作用于髓袢升支粗段，抑制Na<sup>+</sup>-K<sup>+</sup>-2Cl<sup>-</sup>同向转运体，利尿作用强大的是', 'B', '呋塞米为高效能（袢）利尿药，抑制髓袢升支粗段Na<sup>+</sup>-K<sup>+</sup>-2Cl<sup>-</sup>同向转运体，降低肾脏稀释和浓缩功能，利尿作用强大。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5070, 519, 'A', '氢氯噻嗪'),
 (5071, 519, 'B', '呋塞米'),
 (5072, 519, 'C', '螺内酯'),
 (5073, 519, 'D', '乙酰唑胺'),
 (5074, 519, 'E', '甘露醇');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (520, 515, '竞争性拮抗醛固酮受体，具有留钾作用的是', 'C', '螺内酯与醛固酮竞争远曲小管远端和集合管的醛固酮受体，产生排钠留钾作用，利尿作用弱而持久。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5075, 520, 'A', '氢氯噻嗪'),
 (5076, 520, 'B', '呋塞米'),
 (5077, 520, 'C', '螺内酯'),
 (5078, 520, 'D', '乙酰唑胺'),
 (5079, 520, 'E', '甘露醇');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (521, 515, '抑制碳酸酐酶，可用于治疗青光眼的是', 'D', '乙酰唑胺抑制碳酸酐酶，使睫状体房水生成减少，降低眼内压，可用于青光眼。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5080, 521, 'A', '氢氯噻嗪'),
 (5081, 521, 'B', '呋塞米'),
 (5082, 521, 'C', '螺内酯'),
 (5083, 521, 'D', '乙酰唑胺'),
 (5084, 521, 'E', '甘露醇');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (522, 515, '静脉给药后提高血浆渗透压，为治疗脑水肿首选的是', 'E', '甘露醇静脉注射后不易透出血管，迅速提高血浆渗透压，使组织间液水分向血浆转移，是降低颅内压、治疗脑水肿的首选药。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5085, 522, 'A', '氢氯噻嗪'),
 (5086, 522, 'B', '呋塞米'),
 (5087, 522, 'C', '螺内酯'),
 (5088, 522, 'D', '乙酰唑胺'),
 (5089, 522, 'E', '甘露醇');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (523, 515, '作用于远曲小管近端，抑制Na<sup>+</sup>-Cl<sup>-</sup>同向转运体，并可减少尿钙排出的是', 'A', '氢氯噻嗪为中效能利尿药，抑制远曲小管近端Na<sup>+</sup>-Cl<sup>-</sup>同向转运体，同时促进远曲小管对Ca<sup>2+</sup>的重吸收，使尿钙排出减少。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5090, 523, 'A', '氢氯噻嗪'),
 (5091, 523, 'B', '呋塞米'),
 (5092, 523, 'C', '螺内酯'),
 (5093, 523, 'D', '乙酰唑胺'),
 (5094, 523, 'E', '甘露醇');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (516, 102, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (524, 516, '可引起低血钾的利尿药有', 'DE', '噻嗪类和袢利尿药使到达远曲小管和集合管的Na<sup>+</sup>增多，促进K<sup>+</sup>-Na<sup>+</sup>交换，易致低血钾；螺内酯、氨苯蝶啶和阿米洛利为留钾利尿药，可致高血钾。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5095, 524, 'A', '阿米洛利'),
 (5096, 524, 'B', '螺内酯'),
 (5097, 524, 'C', '氨苯蝶啶'),
 (5098, 524, 'D', '氢氯噻嗪'),
 (5099, 524, 'E', '呋塞米');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (525, 516, '硝酸甘油的常见不良反应有', 'BCD', '硝酸甘油扩张脑膜血管和皮肤血管，引起搏动性头痛和面部潮红，扩张静脉可致直立性低血压；血压下降可反射性使心率加快，而不是心动过缓。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5100, 525, 'A', '低血钾'),
 (5101, 525, 'B', '直立性低血压'),
 (5102, 525, 'C', '面颊部皮肤潮红'),
 (5103, 525, 'D', '搏动性头痛'),
 (5104, 525, 'E', '心动过缓');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (518, 103, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (526, 518, '青霉素G最严重的不良反应是', 'B', '过敏反应是青霉素G最常见的不良反应，其中过敏性休克最为严重，用药前应询问过敏史并做皮肤试验，一旦发生应立即肌内注射肾上腺素抢救。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5105, 526, 'A', '赫氏反应'),
 (5106, 526, 'B', '过敏性休克'),
 (5107, 526, 'C', '二重感染'),
 (5108, 526, 'D', '耳毒性'),
 (5109, 526, 'E', '肝功能损害');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (527, 518, '氨基糖苷类抗生素的主要不良反应是', 'D', '氨基糖苷类在内耳外淋巴液和肾皮质中浓度高，可损害前庭和耳蜗神经及近曲小管上皮细胞，耳毒性和肾毒性是其主要不良反应，此外还可引起神经肌肉阻滞。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5110, 527, 'A', '骨髓抑制'),
 (5111, 527, 'B', '牙齿黄染'),
 (5112, 527, 'C', '光敏反应'),
 (5113, 527, 'D', '耳毒性和肾毒性'),
 (5114, 527, 'E', '灰婴综合征');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (528, 518, '喹诺酮类药物一般不宜用于18岁以下未成年人，主要原因是', 'A', '喹诺酮类可损伤幼年动物负重关节的软骨，因此一般不宜用于18岁以下未成年人，也应避免用于孕妇和哺乳期妇女。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5115, 528, 'A', '可能损害软骨发育'),
 (5116, 528, 'B', '易致过敏性休克'),
 (5117, 528, 'C', '引起牙齿黄染'),
 (5118, 528, 'D', '引起永久性耳聋'),
 (5119, 528, 'E', '易致灰婴综合征');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (529, 518, '万古霉素快速静脉滴注时可出现的特征性反应是', 'E', '快速大剂量静脉滴注万古霉素可促进组胺释放，出现面颈部及上身皮肤潮红、瘙痒、低血压等，称为红人综合征，故应稀释后缓慢滴注，每次滴注时间不少于1小时。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5120, 529, 'A', '赫氏反应'),
 (5121, 529, 'B', '灰婴综合征'),
 (5122, 529, 'C', '双硫仑样反应'),
 (5123, 529, 'D', '金鸡纳反应'),
 (5124, 529, 'E', '红人综合征');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (530, 518, '红霉素的抗菌作用机制是', 'D', '大环内酯类可逆地结合于细菌核糖体50S亚基，抑制转肽作用和肽链延伸，从而抑制蛋白质合成；与30S亚基结合的是四环素类和氨基糖苷类。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5125, 530, 'A', '抑制细菌二氢叶酸合成酶'),
 (5126, 530, 'B', '抑制细菌DNA回旋酶'),
 (5127, 530, 'C', '与细菌核糖体30S亚基结合，抑制蛋白质合成'),
 (5128, 530, 'D', '与细菌核糖体50S亚基结合，抑制蛋白质合成'),
 (5129, 530, 'E', '抑制细菌细胞壁合成');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (531, 518, '磺胺甲噁唑与甲氧苄啶合用抗菌作用增强，其原因是', 'D', '磺胺甲噁唑抑制二氢叶酸合成酶，甲氧苄啶抑制二氢叶酸还原酶，两者双重阻断细菌四氢叶酸的合成，抗菌作用增强数倍至数十倍，并可减少耐药性的产生。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5130, 531, 'A', '减少磺胺药的肾脏排泄'),
 (5131, 531, 'B', '甲氧苄啶抑制β-内酰胺酶'),
 (5132, 531, 'C', '甲氧苄啶增加磺胺药的口服吸收'),
 (5133, 531, 'D', '双重阻断细菌叶酸代谢'),
 (5134, 531, 'E', '两药同时抑制细菌细胞壁合成');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (524, 103, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (532, 524, '患者，男，40岁，因厌氧菌感染口服甲硝唑，服药期间饮酒后出现面部潮红、头痛、恶心、呕吐、心悸。该反应属于', 'B', '甲硝唑抑制乙醛脱氢酶，使乙醇代谢产生的乙醛在体内蓄积，出现面部潮红、头痛、恶心、心悸等双硫仑样反应，用药期间及停药后数日内应禁酒。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5135, 532, 'A', '首剂效应'),
 (5136, 532, 'B', '双硫仑样反应'),
 (5137, 532, 'C', '红人综合征'),
 (5138, 532, 'D', '赫氏反应'),
 (5139, 532, 'E', '过敏反应');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (525, 103, 7, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (533, 525, '患者，女，28岁，妊娠20周，出现尿频、尿急、尿痛，诊断为急性膀胱炎。可选用的抗菌药物有', 'BE', 'β-内酰胺类对胎儿毒性低，妊娠期感染可选用；喹诺酮类可能影响胎儿软骨发育，四环素类影响胎儿骨骼和牙齿发育，氨基糖苷类可损害胎儿第Ⅷ对脑神经，妊娠期均应避免使用。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5140, 533, 'A', '庆大霉素'),
 (5141, 533, 'B', '头孢呋辛'),
 (5142, 533, 'C', '多西环素'),
 (5143, 533, 'D', '左氧氟沙星'),
 (5144, 533, 'E', '阿莫西林');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (526, 103, 8, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (534, 526, '下列关于β-内酰胺类抗生素的叙述，正确的有', 'ABCDE', 'β-内酰胺类与PBPs结合，抑制细菌细胞壁黏肽合成，属繁殖期杀菌药；支原体无细胞壁，故对其无效；克拉维酸为β-内酰胺酶抑制剂，可保护阿莫西林不被水解；青霉素G不耐酸，须注射给药。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5145, 534, 'A', '属于繁殖期杀菌药'),
 (5146, 534, 'B', '对支原体无效'),
 (5147, 534, 'C', '与青霉素结合蛋白结合，抑制细菌细胞壁合成'),
 (5148, 534, 'D', '克拉维酸与阿莫西林合用，可增强对产β-内酰胺酶细菌的作用'),
 (5149, 534, 'E', '青霉素G不耐酸，口服易被胃酸破坏');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (527, 103, 11, 'A．青霉素G　B．庆大霉素　C．四环素　D．氯霉素　E．万古霉素', 5, 5);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (535, 527, '可引起新生儿灰婴综合征的是', 'D', '新生儿肝脏葡萄糖醛酸转移酶活性低、肾排泄功能差，氯霉素易在体内蓄积，抑制心肌和呼吸，引起灰婴综合征。', '', 1);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (536, 527, '可使儿童牙齿黄染、牙釉质发育不良的是', 'C', '四环素类能与新形成的骨骼和牙齿中的钙结合，造成恒齿永久性黄染和牙釉质发育不良，8岁以下儿童、孕妇和哺乳期妇女禁用。', '', 2);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (537, 527, '治疗耐甲氧西林金黄色葡萄球菌（MRSA）严重感染可选用的是', 'E', '万古霉素抑制细菌细胞壁合成，对MRSA等革兰阳性菌有强大杀菌作用，是治疗MRSA严重感染的常用药物。', '', 3);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (538, 527, '治疗梅毒的首选药是', 'A', '梅毒螺旋体对青霉素G高度敏感，青霉素G（如苄星青霉素）是治疗各期梅毒的首选药。', '', 4);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (539, 527, '对铜绿假单胞菌有效的氨基糖苷类抗生素是', 'B', '庆大霉素为氨基糖苷类，对革兰阴性杆菌包括铜绿假单胞菌有良好抗菌作用；其余四药对铜绿假单胞菌基本无效。', '', 5);
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (528, 105, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (540, 528, '大多数药物透过生物膜的转运方式是', 'A', '大多数药物以被动扩散方式透过生物膜，即顺浓度梯度、不需要载体、不消耗能量，转运速率与膜两侧的浓度差成正比。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5150, 540, 'A', '被动扩散'),
 (5151, 540, 'B', '膜动转运'),
 (5152, 540, 'C', '膜孔转运'),
 (5153, 540, 'D', '易化扩散'),
 (5154, 540, 'E', '主动转运');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (541, 528, '下列关于主动转运特点的叙述，错误的是', 'D', '主动转运借助载体逆浓度梯度进行并消耗能量，具有结构特异性和部位特异性，存在饱和现象和竞争性抑制；无结构特异性是被动扩散的特点。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5155, 541, 'A', '逆浓度梯度转运'),
 (5156, 541, 'B', '消耗机体能量'),
 (5157, 541, 'C', '需要载体参与'),
 (5158, 541, 'D', '无结构特异性和部位特异性'),
 (5159, 541, 'E', '有饱和现象');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (542, 528, '下列给药途径中，存在肝首过效应的是', 'C', '口服药物经胃肠道吸收后经门静脉进入肝脏，部分被代谢，使进入体循环的药量减少，即肝首过效应；舌下、注射、经皮和吸入给药可避开肝首过效应。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5160, 542, 'A', '静脉注射'),
 (5161, 542, 'B', '吸入给药'),
 (5162, 542, 'C', '口服给药'),
 (5163, 542, 'D', '舌下给药'),
 (5164, 542, 'E', '经皮给药');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (543, 528, '根据pH-分配假说，弱酸性药物在胃液中', 'E', '胃液pH低，弱酸性药物在酸性环境中解离少，主要以脂溶性较大的分子型存在，易通过被动扩散透过胃黏膜而吸收。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5165, 543, 'A', '解离型比例大，难吸收'),
 (5166, 543, 'B', '解离程度与吸收无关'),
 (5167, 543, 'C', '完全解离，不能吸收'),
 (5168, 543, 'D', '分子型比例小，易吸收'),
 (5169, 543, 'E', '分子型比例大，易吸收');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (544, 528, '下列因素中，属于影响药物胃肠道吸收的生理因素的是', 'A', '胃排空速率属于机体生理因素，影响药物到达小肠主要吸收部位的速度；粒径、晶型、崩解时限和解离常数属于药物理化性质或剂型因素。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5170, 544, 'A', '胃排空速率'),
 (5171, 544, 'B', '药物的粒径'),
 (5172, 544, 'C', '药物的晶型'),
 (5173, 544, 'D', '制剂的崩解时限'),
 (5174, 544, 'E', '药物的解离常数');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (545, 528, '如图为某药单次口服给药后的血药浓度-时间曲线，图中阴影部分的面积表示', 'B', '阴影部分为血药浓度-时间曲线下面积AUC，代表药物进入体循环的总量，是衡量吸收程度的指标；C<sub>max</sub>和t<sub>max</sub>则主要反映吸收速度。', 'pic/oral_ct_curve.png', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5175, 545, 'A', '峰浓度C<sub>max</sub>，反映药物的吸收速度'),
 (5176, 545, 'B', '血药浓度-时间曲线下面积（AUC），反映药物的吸收程度'),
 (5177, 545, 'C', '达峰时间t<sub>max</sub>，反映药物的吸收速度'),
 (5178, 545, 'D', '治疗窗，即最低有效浓度与最低中毒浓度之间的范围'),
 (5179, 545, 'E', '消除半衰期，反映药物消除的快慢');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (534, 105, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (546, 534, '某药单剂量静脉注射50 mg后测得AUC为25 μg·h/ml，同一受试者单剂量口服该药100 mg后测得AUC为40 μg·h/ml。该药口服的绝对生物利用度为', 'C', '绝对生物利用度F＝（AUC<sub>po</sub>×D<sub>iv</sub>）/（AUC<sub>iv</sub>×D<sub>po</sub>）×100%＝（40×50）/（25×100）×100%＝80%。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5180, 546, 'A', '40%'),
 (5181, 546, 'B', '62.5%'),
 (5182, 546, 'C', '80%'),
 (5183, 546, 'D', '100%'),
 (5184, 546, 'E', '160%');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (535, 105, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (547, 535, '下列因素中，属于影响药物胃肠道吸收的药物理化性质或剂型因素的有', 'BCDE', '药物粒径、晶型和溶出速率属于药物的理化性质，辅料属于制剂因素，均影响药物的吸收；胃排空速率属于生理因素。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5185, 547, 'A', '胃排空速率'),
 (5186, 547, 'B', '药物的粒径'),
 (5187, 547, 'C', '药物的溶出速率'),
 (5188, 547, 'D', '药物的晶型'),
 (5189, 547, 'E', '制剂中的辅料');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (536, 105, 9, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (548, 536, '关于被动扩散的叙述，正确的是', 'BE', '被动扩散是药物从高浓度侧向低浓度侧的扩散，不需要载体、不消耗能量，因而无饱和现象和竞争性抑制。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5190, 548, 'A', '存在竞争性抑制'),
 (5191, 548, 'B', '顺浓度梯度转运'),
 (5192, 548, 'C', '有饱和现象'),
 (5193, 548, 'D', '需要载体参与'),
 (5194, 548, 'E', '不消耗能量');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (549, 536, '关于口服给药肝首过效应的叙述，正确的是', 'BCD', '首过效应使进入体循环的原形药量减少，首过效应越强，口服生物利用度越低；舌下黏膜吸收的药物经颈静脉直接进入体循环，可避开肝首过效应，故首过效应明显的硝酸甘油常舌下含服。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5195, 549, 'A', '首过效应越强，口服生物利用度越高'),
 (5196, 549, 'B', '首过效应使进入体循环的药量减少'),
 (5197, 549, 'C', '硝酸甘油首过效应明显，常采用舌下含服'),
 (5198, 549, 'D', '舌下给药可避开肝首过效应'),
 (5199, 549, 'E', '静脉注射给药也存在肝首过效应');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (538, 106, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (550, 538, '按一级动力学消除的药物，其生物半衰期', 'D', '一级动力学消除的药物t<sub>1/2</sub>＝0.693/k，只取决于消除速率常数k，与剂量和血药浓度无关，且与k成反比。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5200, 550, 'A', '随剂量增加而缩短'),
 (5201, 550, 'B', '随剂量增加而延长'),
 (5202, 550, 'C', '与消除速率常数成正比'),
 (5203, 550, 'D', '与剂量无关，为一常数'),
 (5204, 550, 'E', '随给药次数增加而延长');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (551, 538, '按一级动力学消除的药物，单次给药后经过5个半衰期，体内药量约消除', 'E', '每经过1个t<sub>1/2</sub>体内药量减少一半，5个t<sub>1/2</sub>后剩余（1/2）<sup>5</sup>≈3.1%，即约消除96.9%，一般认为药物已基本消除。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5205, 551, 'A', '50%'),
 (5206, 551, 'B', '75%'),
 (5207, 551, 'C', '87.5%'),
 (5208, 551, 'D', '93.8%'),
 (5209, 551, 'E', '96.9%');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (552, 538, '关于表观分布容积的叙述，正确的是', 'A', '表观分布容积V＝X/C，是假想的容积，不代表真实的生理空间；药物在组织中分布广或与组织结合多时，V可远超体液总量，V越大，血药浓度越低。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5210, 552, 'A', '是体内药量与血药浓度的比值'),
 (5211, 552, 'B', '单位只能用L/kg表示'),
 (5212, 552, 'C', '代表药物在体内分布的真实生理容积'),
 (5213, 552, 'D', '其数值不可能超过体液总量'),
 (5214, 552, 'E', '数值越大，说明血药浓度越高');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (553, 538, '不给负荷剂量时，恒速静脉滴注给药达到稳态血药浓度所需的时间取决于', 'A', '恒速静滴时达稳态所需时间只取决于t<sub>1/2</sub>，约3.32个t<sub>1/2</sub>达稳态浓度的90%，约5个t<sub>1/2</sub>基本达稳态；滴注速度只影响稳态浓度的高低。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5215, 553, 'A', '药物的生物半衰期'),
 (5216, 553, 'B', '滴注液的浓度'),
 (5217, 553, 'C', '表观分布容积'),
 (5218, 553, 'D', '给药剂量'),
 (5219, 553, 'E', '滴注速度');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (554, 538, '如图所示，单室模型药物静脉注射给药后 lgC-t 曲线为一直线，该直线的斜率为', 'B', '单室模型静脉注射给药后C＝C<sub>0</sub>e<sup>-kt</sup>，取常用对数得lgC＝-kt/2.303＋lgC<sub>0</sub>，故直线斜率为-k/2.303，截距为lgC<sub>0</sub>。', 'pic/iv_bolus_lgc.png', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5220, 554, 'A', '-k'),
 (5221, 554, 'B', '-k/2.303'),
 (5222, 554, 'C', 'k/2.303'),
 (5223, 554, 'D', '-2.303k'),
 (5224, 554, 'E', 'lgC<sub>0</sub>');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (555, 538, '药物的总清除率（Cl）与消除速率常数（k）、表观分布容积（V）的关系是', 'A', '清除率是单位时间内从体内清除的药物所占的表观分布容积，Cl＝kV，也可由Cl＝X<sub>0</sub>/AUC求得。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5225, 555, 'A', 'Cl＝k·V'),
 (5226, 555, 'B', 'Cl＝V/k'),
 (5227, 555, 'C', 'Cl＝k/V'),
 (5228, 555, 'D', 'Cl＝0.693·V'),
 (5229, 555, 'E', 'Cl＝0.693/k');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (544, 106, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (556, 544, '某患者静脉注射某单室模型药物200 mg，立即测得血药浓度为10 μg/ml。该药的表观分布容积为', 'C', 'V＝X<sub>0</sub>/C<sub>0</sub>，10 μg/ml即10 mg/L，V＝200 mg÷10 mg/L＝20 L。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5230, 556, 'A', '2 L'),
 (5231, 556, 'B', '10 L'),
 (5232, 556, 'C', '20 L'),
 (5233, 556, 'D', '200 L'),
 (5234, 556, 'E', '2000 L');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (557, 544, '某患者静脉注射某药，该药按一级动力学消除，t<sub>1/2</sub>为4 h。给药12 h后，体内剩余药量约为给药量的', 'C', '12 h相当于3个t<sub>1/2</sub>，体内剩余药量为（1/2）<sup>3</sup>＝1/8，即约12.5%。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5235, 557, 'A', '50%'),
 (5236, 557, 'B', '25%'),
 (5237, 557, 'C', '12.5%'),
 (5238, 557, 'D', '6.25%'),
 (5239, 557, 'E', '3.125%');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (546, 106, 10, '患者，男，60岁，体重60 kg。静脉注射某单室模型抗菌药物500 mg，测得注射后即刻血药浓度C<sub>0</sub>为25 mg/L。该药在体内按一级动力学消除，消除速率常数k为0.1 h<sup>-1</sup>。', 4, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (558, 546, '该药的表观分布容积为', 'C', 'V＝X<sub>0</sub>/C<sub>0</sub>＝500 mg÷25 mg/L＝20 L。', '', 1);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5240, 558, 'A', '2 L'),
 (5241, 558, 'B', '12.5 L'),
 (5242, 558, 'C', '20 L'),
 (5243, 558, 'D', '25 L'),
 (5244, 558, 'E', '50 L');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (559, 546, '该药的生物半衰期约为', 'C', 't<sub>1/2</sub>＝0.693/k＝0.693÷0.1 h<sup>-1</sup>＝6.93 h。', '', 2);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5245, 559, 'A', '0.693 h'),
 (5246, 559, 'B', '4.5 h'),
 (5247, 559, 'C', '6.93 h'),
 (5248, 559, 'D', '10 h'),
 (5249, 559, 'E', '14.4 h');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (560, 546, '该药的总清除率为', 'B', 'Cl＝kV＝0.1 h<sup>-1</sup>×20 L＝2 L/h。', '', 3);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5250, 560, 'A', '0.2 L/h'),
 (5251, 560, 'B', '2 L/h'),
 (5252, 560, 'C', '5 L/h'),
 (5253, 560, 'D', '20 L/h'),
 (5254, 560, 'E', '200 L/h');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (561, 546, '该药单次静脉注射后的血药浓度-时间曲线下面积（AUC<sub>0→∞</sub>）为', 'D', '单室模型静脉注射AUC＝C<sub>0</sub>/k＝25÷0.1＝250 mg·h/L，也可由X<sub>0</sub>/Cl＝500÷2＝250 mg·h/L验证。', '', 4);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5255, 561, 'A', '2.5 mg·h/L'),
 (5256, 561, 'B', '25 mg·h/L'),
 (5257, 561, 'C', '50 mg·h/L'),
 (5258, 561, 'D', '250 mg·h/L'),
 (5259, 561, 'E', '500 mg·h/L');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (547, 106, 7, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (562, 547, '患者，男，70岁，肌酐清除率25 ml/min，需使用主要以原形经肾排泄的庆大霉素。下列叙述正确的有', 'ACE', '肾功能减退时以原形经肾排泄的药物清除率下降、t<sub>1/2</sub>延长，易蓄积中毒，应减量或延长给药间隔；庆大霉素治疗窗窄，有耳、肾毒性，宜监测血药浓度调整给药方案。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5260, 562, 'A', '宜进行治疗药物监测'),
 (5261, 562, 'B', '应增加单次给药剂量以提高疗效'),
 (5262, 562, 'C', '应减少给药剂量或延长给药间隔'),
 (5263, 562, 'D', '药物的总清除率增加'),
 (5264, 562, 'E', '药物的消除半衰期延长');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (548, 108, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (563, 548, '处方中外文缩写“q.d.”的含义是', 'E', 'q.d.为拉丁文quaque die的缩写，意为每日1次；每日2次为b.i.d.，每晚为q.n.，每小时为q.h.，必要时为p.r.n.。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5265, 563, 'A', '每小时'),
 (5266, 563, 'B', '每晚'),
 (5267, 563, 'C', '每日2次'),
 (5268, 563, 'D', '必要时'),
 (5269, 563, 'E', '每日1次');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (564, 548, '根据《处方管理办法》，急诊处方一般不得超过', 'B', '《处方管理办法》规定处方一般不得超过7日用量，急诊处方一般不得超过3日用量；对于某些慢性病、老年病或特殊情况，处方用量可适当延长，但医师应当注明理由。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5270, 564, 'A', '1日用量'),
 (5271, 564, 'B', '3日用量'),
 (5272, 564, 'C', '5日用量'),
 (5273, 564, 'D', '7日用量'),
 (5274, 564, 'E', '14日用量');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (565, 548, '处方开具当日有效。特殊情况下需延长有效期的，由开具处方的医师注明有效期限，但有效期最长不得超过', 'C', '《处方管理办法》规定，处方开具当日有效，特殊情况下需延长有效期的，由开具处方的医师注明有效期限，但有效期最长不得超过3天。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5275, 565, 'A', '1天'),
 (5276, 565, 'B', '2天'),
 (5277, 565, 'C', '3天'),
 (5278, 565, 'D', '5天'),
 (5279, 565, 'E', '7天');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (566, 548, '为门（急）诊一般患者开具的麻醉药品注射剂，每张处方限量为', 'A', '为门（急）诊患者开具的麻醉药品注射剂，每张处方为一次常用量；控缓释制剂每张处方不得超过7日常用量；其他剂型每张处方不得超过3日常用量。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5280, 566, 'A', '一次常用量'),
 (5281, 566, 'B', '1日常用量'),
 (5282, 566, 'C', '3日常用量'),
 (5283, 566, 'D', '7日常用量'),
 (5284, 566, 'E', '15日常用量');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (567, 548, '麻醉药品和第一类精神药品处方的保存期限为', 'C', '普通处方、急诊处方、儿科处方保存期限为1年，医疗用毒性药品、第二类精神药品处方保存期限为2年，麻醉药品和第一类精神药品处方保存期限为3年。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5285, 567, 'A', '1年'),
 (5286, 567, 'B', '2年'),
 (5287, 567, 'C', '3年'),
 (5288, 567, 'D', '5年'),
 (5289, 567, 'E', '10年');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (553, 108, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (568, 553, '患者，男，40岁，因急性腹泻到急诊科就诊，医师开具蒙脱石散，每次1袋，每日3次，共7日用量。药师审核处方时应指出的问题是', 'C', '急诊处方一般不得超过3日用量，本处方开具7日用量且无特殊理由，属于用量不适宜；蒙脱石散成人每次1袋、每日3次为常规用法，急诊处方应使用淡黄色处方笺。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5290, 568, 'A', '蒙脱石散每次用量过大'),
 (5291, 568, 'B', '急诊处方应使用白色处方笺'),
 (5292, 568, 'C', '急诊处方一般不得超过3日用量'),
 (5293, 568, 'D', '蒙脱石散不能用于急性腹泻'),
 (5294, 568, 'E', '该处方没有问题');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (554, 108, 5, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (569, 554, '急诊处方的印刷用纸为', 'B', '《处方管理办法》规定急诊处方印刷用纸为淡黄色，右上角标注“急诊”。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5295, 569, 'A', '白色'),
 (5296, 569, 'B', '淡黄色'),
 (5297, 569, 'C', '淡绿色'),
 (5298, 569, 'D', '淡红色'),
 (5299, 569, 'E', '淡蓝色');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (570, 554, '儿科处方的印刷用纸为', 'C', '儿科处方印刷用纸为淡绿色，右上角标注“儿科”。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5300, 570, 'A', '白色'),
 (5301, 570, 'B', '淡黄色'),
 (5302, 570, 'C', '淡绿色'),
 (5303, 570, 'D', '淡红色'),
 (5304, 570, 'E', '淡蓝色');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (571, 554, '麻醉药品和第一类精神药品处方的印刷用纸为', 'D', '麻醉药品和第一类精神药品处方印刷用纸为淡红色，右上角标注“麻、精一”。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5305, 571, 'A', '白色'),
 (5306, 571, 'B', '淡黄色'),
 (5307, 571, 'C', '淡绿色'),
 (5308, 571, 'D', '淡红色'),
 (5309, 571, 'E', '淡蓝色');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (572, 554, '第二类精神药品处方的印刷用纸为', 'A', '第二类精神药品处方印刷用纸为白色，右上角标注“精二”；普通处方也为白色。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5310, 572, 'A', '白色'),
 (5311, 572, 'B', '淡黄色'),
 (5312, 572, 'C', '淡绿色'),
 (5313, 572, 'D', '淡红色'),
 (5314, 572, 'E', '淡蓝色');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (555, 108, 8, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (573, 555, '药师调剂处方时必须做到“四查十对”，其中“查配伍禁忌”时应对', 'AB', '“四查十对”：查处方，对科别、姓名、年龄；查药品，对药名、剂型、规格、数量；查配伍禁忌，对药品性状、用法用量；查用药合理性，对临床诊断。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5315, 573, 'A', '药品性状'),
 (5316, 573, 'B', '用法用量'),
 (5317, 573, 'C', '临床诊断'),
 (5318, 573, 'D', '科别'),
 (5319, 573, 'E', '剂型');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (556, 108, 11, 'A．b.i.d.　B．q.n.　C．a.c.　D．p.c.　E．p.r.n.', 5, 5);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (574, 556, '每日2次', 'A', 'b.i.d.为bis in die的缩写，意为每日2次。', '', 1);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (575, 556, '每晚', 'B', 'q.n.为quaque nocte的缩写，意为每晚。', '', 2);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (576, 556, '餐前', 'C', 'a.c.为ante cibos的缩写，意为餐前（饭前）服用。', '', 3);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (577, 556, '餐后', 'D', 'p.c.为post cibos的缩写，意为餐后（饭后）服用。', '', 4);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (578, 556, '必要时（长期备用）', 'E', 'p.r.n.为pro re nata的缩写，意为必要时，用于长期备用医嘱。', '', 5);
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (557, 109, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (579, 557, '按照《药品经营质量管理规范》，储存药品的库房相对湿度应保持在', 'B', '《药品经营质量管理规范》规定，储存药品相对湿度为35%～75%，湿度过高易使药品潮解、霉变，过低可使某些药品风化。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5320, 579, 'A', '25%～55%'),
 (5321, 579, 'B', '35%～75%'),
 (5322, 579, 'C', '45%～80%'),
 (5323, 579, 'D', '50%～85%'),
 (5324, 579, 'E', '60%～90%');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (580, 557, '某药品标签上标注“有效期至2025年06月”，表示该药品可以使用至', 'C', '有效期标注到月时，表示药品可使用至该月的最后一天，故“有效期至2025年06月”表示可使用至2025年6月30日。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5325, 580, 'A', '2025年5月31日'),
 (5326, 580, 'B', '2025年6月1日'),
 (5327, 580, 'C', '2025年6月30日'),
 (5328, 580, 'D', '2025年7月1日'),
 (5329, 580, 'E', '2025年7月31日');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (581, 557, '遇光易分解，静脉滴注时输液容器及管路需避光的药物是', 'B', '硝普钠对光敏感，溶液见光易分解变色、降效，配制后应立即使用，滴注时须以不透光材料遮盖避光。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5330, 581, 'A', '葡萄糖注射液'),
 (5331, 581, 'B', '硝普钠'),
 (5332, 581, 'C', '氯化钠注射液'),
 (5333, 581, 'D', '甘露醇注射液'),
 (5334, 581, 'E', '氯化钾注射液');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (582, 557, '药品出库应遵循的原则是', 'C', '药品出库应遵循“先产先出、近期先出、按批号发货”的原则，以减少药品过期失效造成的损失。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5335, 582, 'A', '先入库者后出库'),
 (5336, 582, 'B', '随机发货，不考虑批号'),
 (5337, 582, 'C', '先产先出、近期先出、按批号发货'),
 (5338, 582, 'D', '远期先出、按入库时间发货'),
 (5339, 582, 'E', '后产先出、远期先出');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (561, 109, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (583, 561, '某医院药库养护员在例行检查时发现一批注射液出现浑浊、沉淀，该批药品尚在有效期内。正确的处理方法是', 'A', '注射液出现浑浊、沉淀属于质量不合格，无论是否在有效期内均不得使用，应移入不合格药品区（红色标志）存放，并按规定报告、处理。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5340, 583, 'A', '移入不合格药品区，挂红色标志，按规定报告和处理'),
 (5341, 583, 'B', '移回合格药品区继续储存'),
 (5342, 583, 'C', '加快发放，尽快用完'),
 (5343, 583, 'D', '继续发放使用'),
 (5344, 583, 'E', '过滤后继续使用');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (562, 109, 5, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (584, 562, '《中国药典》规定，“阴凉处”系指', 'A', '《中国药典》凡例规定，阴凉处系指不超过20℃。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5345, 584, 'A', '不超过20℃'),
 (5346, 584, 'B', '避光并不超过20℃'),
 (5347, 584, 'C', '2～10℃'),
 (5348, 584, 'D', '10～30℃'),
 (5349, 584, 'E', '0℃以下');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (585, 562, '《中国药典》规定，“凉暗处”系指', 'B', '凉暗处系指避光并不超过20℃，适用于既怕热又怕光的药品。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5350, 585, 'A', '不超过20℃'),
 (5351, 585, 'B', '避光并不超过20℃'),
 (5352, 585, 'C', '2～10℃'),
 (5353, 585, 'D', '10～30℃'),
 (5354, 585, 'E', '0℃以下');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (586, 562, '《中国药典》规定，“冷处”系指', 'C', '冷处系指2～10℃。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5355, 586, 'A', '不超过20℃'),
 (5356, 586, 'B', '避光并不超过20℃'),
 (5357, 586, 'C', '2～10℃'),
 (5358, 586, 'D', '10～30℃'),
 (5359, 586, 'E', '0℃以下');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (587, 562, '《中国药典》规定，“常温”系指', 'D', '常温（室温）系指10～30℃；除另有规定外，贮藏项下未规定贮藏温度的一般系指常温。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5360, 587, 'A', '不超过20℃'),
 (5361, 587, 'B', '避光并不超过20℃'),
 (5362, 587, 'C', '2～10℃'),
 (5363, 587, 'D', '10～30℃'),
 (5364, 587, 'E', '0℃以下');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (563, 109, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (588, 563, '影响药品质量的环境因素有', 'BCDE', '温度、湿度、光线和空气中的氧气、二氧化碳等均可引起药品发生水解、氧化、潮解、霉变等变化；药品批号仅用于标识生产批次，不影响药品质量。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5365, 588, 'A', '药品批号'),
 (5366, 588, 'B', '温度'),
 (5367, 588, 'C', '光线'),
 (5368, 588, 'D', '湿度'),
 (5369, 588, 'E', '空气');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (564, 109, 9, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (589, 564, '应在2～8℃冷藏保存的药品是', 'BD', '未开启的胰岛素和疫苗等生物制品需在2～8℃冷藏，且不得冷冻；阿莫西林胶囊、对乙酰氨基酚片和甲硝唑片一般在常温下密封保存即可。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5370, 589, 'A', '阿莫西林胶囊'),
 (5371, 589, 'B', '乙型肝炎疫苗'),
 (5372, 589, 'C', '甲硝唑片'),
 (5373, 589, 'D', '胰岛素注射液（未开启）'),
 (5374, 589, 'E', '对乙酰氨基酚片');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (565, 109, 11, 'A．绿色　B．黄色　C．红色　D．白色　E．蓝色', 4, 5);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (590, 565, '合格药品库（区）的色标为', 'A', '按质量状态实行色标管理：合格药品为绿色。', '', 1);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (591, 565, '待验药品库（区）的色标为', 'B', '待验药品属于待确定药品，色标为黄色。', '', 2);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (592, 565, '不合格药品库（区）的色标为', 'C', '不合格药品色标为红色。', '', 3);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (593, 565, '退货药品库（区）的色标为', 'B', '退货药品质量状态待确定，色标为黄色。', '', 4);
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (566, 111, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (594, 566, '高血压合并良性前列腺增生的患者，可优先选用', 'D', 'α<sub>1</sub>受体阻断药多沙唑嗪扩张血管而降压，同时松弛前列腺和膀胱颈平滑肌，改善排尿困难，适用于高血压合并前列腺增生者，应注意首剂低血压。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5375, 594, 'A', '利血平'),
 (5376, 594, 'B', '氢氯噻嗪'),
 (5377, 594, 'C', '美托洛尔'),
 (5378, 594, 'D', '多沙唑嗪'),
 (5379, 594, 'E', '可乐定');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (595, 566, '妊娠期高血压患者禁用的降压药是', 'B', 'ACEI和ARB可致胎儿发育异常、羊水过少及胎儿肾功能损害，妊娠期禁用；拉贝洛尔、硝苯地平、甲基多巴等可用于妊娠期高血压。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5380, 595, 'A', '拉贝洛尔'),
 (5381, 595, 'B', '依那普利'),
 (5382, 595, 'C', '硝苯地平'),
 (5383, 595, 'D', '甲基多巴'),
 (5384, 595, 'E', '尼卡地平');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (596, 566, '二氢吡啶类钙通道阻滞药常见的不良反应是', 'A', '二氢吡啶类CCB强效扩张小动脉，可引起踝部水肿、头痛、面部潮红，并可反射性加快心率；干咳和高血钾是ACEI的不良反应。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5385, 596, 'A', '踝部水肿'),
 (5386, 596, 'B', '支气管痉挛'),
 (5387, 596, 'C', '高血钾'),
 (5388, 596, 'D', '刺激性干咳'),
 (5389, 596, 'E', '心动过缓');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (597, 566, '双侧肾动脉狭窄的高血压患者禁用', 'D', '双侧肾动脉狭窄时，肾小球滤过依赖血管紧张素Ⅱ收缩出球小动脉维持，ACEI扩张出球小动脉可使肾小球滤过率急剧下降，导致急性肾功能衰竭，故禁用。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5390, 597, 'A', '哌唑嗪'),
 (5391, 597, 'B', '氨氯地平'),
 (5392, 597, 'C', '美托洛尔'),
 (5393, 597, 'D', '卡托普利'),
 (5394, 597, 'E', '氢氯噻嗪');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (598, 566, '血管紧张素Ⅱ受体拮抗药较少引起干咳，其原因是', 'A', 'ARB直接阻断AT<sub>1</sub>受体，不抑制激肽酶Ⅱ，不影响缓激肽降解，因此很少引起ACEI所特有的干咳。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5395, 598, 'A', '不影响缓激肽的降解'),
 (5396, 598, 'B', '不经肝脏代谢'),
 (5397, 598, 'C', '降压作用更强'),
 (5398, 598, 'D', '半衰期更长'),
 (5399, 598, 'E', '不影响醛固酮分泌');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (571, 111, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (599, 571, '患者，男，62岁，高血压合并2型糖尿病，尿白蛋白/肌酐比值升高，血钾和血肌酐正常。首选的降压药是', 'B', 'ACEI或ARB可降低肾小球内压、减少尿蛋白、延缓糖尿病肾病进展，是高血压合并糖尿病尤其伴蛋白尿患者的首选降压药。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5400, 599, 'A', '吲达帕胺'),
 (5401, 599, 'B', '贝那普利'),
 (5402, 599, 'C', '美托洛尔'),
 (5403, 599, 'D', '哌唑嗪'),
 (5404, 599, 'E', '氢氯噻嗪');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (600, 571, '患者，女，55岁，高血压，服用依那普利10 mg qd 2周后出现持续性干咳，无痰，胸部X线检查无异常。宜换用的药物是', 'E', '干咳为ACEI的类效应，换用其他ACEI仍可发生；ARB不影响缓激肽降解，干咳少见，可作为不能耐受ACEI者的替代药物。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5405, 600, 'A', '贝那普利'),
 (5406, 600, 'B', '卡托普利'),
 (5407, 600, 'C', '雷米普利'),
 (5408, 600, 'D', '培哚普利'),
 (5409, 600, 'E', '缬沙坦');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (573, 111, 7, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (601, 573, '患者，男，66岁，高血压病史10年，近半年活动后气短、双下肢水肿，超声心动图示左心室射血分数35%，诊断为高血压合并射血分数降低的心力衰竭。可选用的药物有', 'ABDE', 'ACEI、β受体阻断药和醛固酮受体拮抗药可改善射血分数降低心力衰竭的预后，袢利尿药可消除液体潴留；维拉帕米为非二氢吡啶类CCB，有负性肌力作用，应避免使用。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5410, 601, 'A', '培哚普利'),
 (5411, 601, 'B', '呋塞米'),
 (5412, 601, 'C', '维拉帕米'),
 (5413, 601, 'D', '琥珀酸美托洛尔缓释片'),
 (5414, 601, 'E', '螺内酯');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (574, 111, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (602, 574, '高血压患者的生活方式干预措施包括', 'BCDE', '生活方式干预包括减少钠盐摄入、增加钾摄入、合理膳食、控制体重、戒烟限酒、规律运动和减轻精神压力；高脂肪饮食不利于血压和血脂控制。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5415, 602, 'A', '高蛋白、高脂肪饮食'),
 (5416, 602, 'B', '减少钠盐摄入'),
 (5417, 602, 'C', '增加富钾食物摄入'),
 (5418, 602, 'D', '控制体重'),
 (5419, 602, 'E', '戒烟限酒');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (575, 111, 10, '患者，男，56岁。高血压病史5年，未规律服药，今日测血压165/100 mmHg。既往有痛风病史，血尿酸520 μmol/L，血钾4.2 mmol/L，肝肾功能正常，无支气管哮喘病史。', 3, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (603, 575, '该患者不宜选用的降压药是', 'D', '噻嗪类利尿药减少尿酸排泄，升高血尿酸，可诱发痛风发作，痛风患者禁用。', '', 1);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5420, 603, 'A', '美托洛尔'),
 (5421, 603, 'B', '贝那普利'),
 (5422, 603, 'C', '氨氯地平'),
 (5423, 603, 'D', '氢氯噻嗪'),
 (5424, 603, 'E', '氯沙坦');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (604, 575, '该患者可以选用的降压药有', 'ACE', 'CCB、ARB和ACEI对血尿酸无不良影响，可以选用；氢氯噻嗪和吲达帕胺均为噻嗪类（样）利尿药，可升高血尿酸，不宜选用。', '', 2);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5425, 604, 'A', '氯沙坦'),
 (5426, 604, 'B', '吲达帕胺'),
 (5427, 604, 'C', '贝那普利'),
 (5428, 604, 'D', '氢氯噻嗪'),
 (5429, 604, 'E', '氨氯地平');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (605, 575, '在ARB中，氯沙坦尤其适用于该患者，原因是', 'C', '氯沙坦可抑制肾小管对尿酸的重吸收，促进尿酸排泄，降低血尿酸，适用于高血压合并高尿酸血症或痛风的患者。', '', 3);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5430, 605, 'A', '可减慢心率'),
 (5431, 605, 'B', '降压作用最强'),
 (5432, 605, 'C', '具有促进尿酸排泄的作用'),
 (5433, 605, 'D', '可降低血钾'),
 (5434, 605, 'E', '不经肝脏代谢');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (576, 112, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (606, 576, '二甲双胍最严重的不良反应是', 'E', '双胍类促进无氧糖酵解，使乳酸生成增多，严重时可致乳酸性酸中毒，虽罕见但后果严重；肾功能不全、缺氧、酗酒者风险增加。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5435, 606, 'A', '体重增加'),
 (5436, 606, 'B', '低血糖'),
 (5437, 606, 'C', '水肿'),
 (5438, 606, 'D', '泌尿生殖道感染'),
 (5439, 606, 'E', '乳酸性酸中毒');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (607, 576, '根据《中国2型糖尿病防治指南》，若无禁忌证，2型糖尿病患者药物治疗的首选药物是', 'B', '二甲双胍降糖疗效确切，单用不增加低血糖风险，不增加体重，并可能有心血管获益，指南推荐作为2型糖尿病患者控制高血糖的一线用药和药物联合中的基本用药。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5440, 607, 'A', '格列本脲'),
 (5441, 607, 'B', '二甲双胍'),
 (5442, 607, 'C', '吡格列酮'),
 (5443, 607, 'D', '胰岛素'),
 (5444, 607, 'E', '阿卡波糖');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (608, 576, '服用阿卡波糖的患者发生低血糖时，应选用', 'A', '阿卡波糖抑制小肠α-葡萄糖苷酶，使蔗糖、淀粉等分解为单糖受阻，纠正低血糖时应直接给予葡萄糖。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5445, 608, 'A', '口服葡萄糖'),
 (5446, 608, 'B', '口服蔗糖'),
 (5447, 608, 'C', '进食馒头'),
 (5448, 608, 'D', '饮用含淀粉的饮料'),
 (5449, 608, 'E', '进食饼干');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (609, 576, '吡格列酮禁用于', 'B', '噻唑烷二酮类可引起水钠潴留和体液增加，加重心力衰竭，NYHA心功能Ⅱ级以上的心力衰竭患者禁用。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5450, 609, 'A', '血脂异常的患者'),
 (5451, 609, 'B', '心力衰竭（NYHA心功能Ⅱ级以上）患者'),
 (5452, 609, 'C', '肥胖的2型糖尿病患者'),
 (5453, 609, 'D', '合并高血压的糖尿病患者'),
 (5454, 609, 'E', '胰岛素抵抗明显的患者');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (610, 576, '糖尿病酮症酸中毒的降糖治疗应首选', 'E', '糖尿病酮症酸中毒应在补液的同时采用小剂量短效（普通）胰岛素持续静脉滴注，平稳降低血糖并抑制酮体生成。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5455, 610, 'A', '皮下注射甘精胰岛素'),
 (5456, 610, 'B', '口服二甲双胍'),
 (5457, 610, 'C', '口服阿卡波糖'),
 (5458, 610, 'D', '口服格列美脲'),
 (5459, 610, 'E', '小剂量短效胰岛素持续静脉滴注');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (581, 112, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (611, 581, '患者，女，70岁，2型糖尿病10年。近期复查估算肾小球滤过率（eGFR）为25 ml/(min·1.73 m<sup>2</sup>)。下列降糖药中，该患者禁用的是', 'A', '二甲双胍主要以原形经肾排泄，eGFR&lt;30 ml/(min·1.73 m<sup>2</sup>)时禁用，以免蓄积引起乳酸性酸中毒；利格列汀主要经胆汁排泄，瑞格列奈主要经肝代谢，胰岛素可调整剂量使用。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5460, 611, 'A', '二甲双胍'),
 (5461, 611, 'B', '利格列汀'),
 (5462, 611, 'C', '瑞格列奈'),
 (5463, 611, 'D', '门冬胰岛素'),
 (5464, 611, 'E', '甘精胰岛素');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (612, 581, '患者，男，20岁，多饮、多尿、多食、体重下降明显，空腹血糖16.2 mmol/L，尿酮体阳性，胰岛自身抗体阳性，诊断为1型糖尿病。首选的治疗药物是', 'B', '1型糖尿病患者胰岛β细胞功能绝对缺乏，必须依赖胰岛素治疗维持生命和控制高血糖；促泌剂需依赖残存β细胞功能，不能替代胰岛素。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5465, 612, 'A', '格列齐特'),
 (5466, 612, 'B', '胰岛素'),
 (5467, 612, 'C', '二甲双胍'),
 (5468, 612, 'D', '吡格列酮'),
 (5469, 612, 'E', '阿卡波糖');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (583, 112, 5, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (613, 583, '刺激胰岛β细胞分泌胰岛素的是', 'B', '格列美脲为磺酰脲类促泌剂，与β细胞膜上磺酰脲受体结合，关闭ATP敏感钾通道，促进胰岛素分泌。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5470, 613, 'A', '二甲双胍'),
 (5471, 613, 'B', '格列美脲'),
 (5472, 613, 'C', '阿卡波糖'),
 (5473, 613, 'D', '吡格列酮'),
 (5474, 613, 'E', '达格列净');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (614, 583, '抑制小肠α-葡萄糖苷酶，延缓碳水化合物吸收的是', 'C', '阿卡波糖竞争性抑制小肠α-葡萄糖苷酶，延缓碳水化合物分解和吸收，主要降低餐后血糖。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5475, 614, 'A', '二甲双胍'),
 (5476, 614, 'B', '格列美脲'),
 (5477, 614, 'C', '阿卡波糖'),
 (5478, 614, 'D', '吡格列酮'),
 (5479, 614, 'E', '达格列净');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (615, 583, '激活过氧化物酶体增殖物激活受体γ，增加胰岛素敏感性的是', 'D', '吡格列酮为噻唑烷二酮类，激活PPARγ，增加靶组织对胰岛素的敏感性。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5480, 615, 'A', '二甲双胍'),
 (5481, 615, 'B', '格列美脲'),
 (5482, 615, 'C', '阿卡波糖'),
 (5483, 615, 'D', '吡格列酮'),
 (5484, 615, 'E', '达格列净');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (616, 583, '抑制肾近曲小管钠-葡萄糖协同转运蛋白2，促进尿糖排泄的是', 'E', '达格列净为SGLT2抑制剂，减少肾小管对葡萄糖的重吸收，增加尿糖排泄而降低血糖。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5485, 616, 'A', '二甲双胍'),
 (5486, 616, 'B', '格列美脲'),
 (5487, 616, 'C', '阿卡波糖'),
 (5488, 616, 'D', '吡格列酮'),
 (5489, 616, 'E', '达格列净');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (617, 583, '减少肝糖输出、改善外周组织胰岛素抵抗的是', 'A', '二甲双胍主要通过减少肝脏葡萄糖输出和改善外周组织胰岛素抵抗而降低血糖。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5490, 617, 'A', '二甲双胍'),
 (5491, 617, 'B', '格列美脲'),
 (5492, 617, 'C', '阿卡波糖'),
 (5493, 617, 'D', '吡格列酮'),
 (5494, 617, 'E', '达格列净');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (584, 112, 8, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (618, 584, '关于胰岛素使用的叙述，正确的有', 'ABCE', '未开启的胰岛素应冷藏且避免冷冻；只有短效（普通）胰岛素等可静脉给药，预混胰岛素和中长效胰岛素只能皮下注射；反复在同一部位注射易致脂肪增生或萎缩；低血糖是最常见的不良反应。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5495, 618, 'A', '最常见的不良反应是低血糖'),
 (5496, 618, 'B', '未开启的胰岛素应在2～8℃冷藏，不可冷冻'),
 (5497, 618, 'C', '注射部位应经常轮换，以防局部脂肪增生或萎缩'),
 (5498, 618, 'D', '预混胰岛素可用于静脉滴注'),
 (5499, 618, 'E', '短效（普通）胰岛素可静脉注射');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (585, 112, 9, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (619, 585, '关于达格列净的叙述，正确的是', 'AB', 'SGLT2抑制剂减少肾小管葡萄糖重吸收，降糖作用不依赖胰岛素，单用低血糖风险低，并可减轻体重；尿糖增加使泌尿生殖道感染风险升高。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5500, 619, 'A', '通过抑制肾脏对葡萄糖的重吸收而降糖'),
 (5501, 619, 'B', '可增加泌尿生殖道感染的风险'),
 (5502, 619, 'C', '可致体重明显增加'),
 (5503, 619, 'D', '单独使用易引起严重低血糖'),
 (5504, 619, 'E', '需依赖胰岛β细胞功能发挥作用');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (586, 112, 10, '患者，男，58岁，身高170 cm，体重86 kg。2型糖尿病3年，一直服用二甲双胍0.5 g tid，近期糖化血红蛋白8.3%。2年前曾患急性心肌梗死并行冠状动脉支架植入术，肝肾功能正常。', 3, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (620, 586, '二甲双胍最常见的不良反应是', 'B', '二甲双胍最常见的不良反应为胃肠道反应，从小剂量开始、逐渐加量并随餐服用可减轻。', '', 1);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5505, 620, 'A', '体重增加'),
 (5506, 620, 'B', '恶心、腹胀、腹泻等胃肠道反应'),
 (5507, 620, 'C', '低血糖'),
 (5508, 620, 'D', '骨折风险增加'),
 (5509, 620, 'E', '水肿');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (621, 586, '该患者合并动脉粥样硬化性心血管疾病，在二甲双胍基础上宜优先联合', 'AB', '指南推荐合并动脉粥样硬化性心血管疾病的2型糖尿病患者，如无禁忌证，应在二甲双胍基础上加用具有心血管获益证据的GLP-1受体激动剂（如利拉鲁肽）或SGLT2抑制剂（如恩格列净）。', '', 2);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5510, 621, 'A', '恩格列净'),
 (5511, 621, 'B', '利拉鲁肽'),
 (5512, 621, 'C', '阿卡波糖'),
 (5513, 621, 'D', '罗格列酮'),
 (5514, 621, 'E', '格列本脲');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (622, 586, '利拉鲁肽的降糖作用机制是', 'E', '利拉鲁肽为GLP-1受体激动剂，以葡萄糖浓度依赖的方式促进胰岛素分泌、抑制胰高血糖素分泌，并能延缓胃排空、抑制食欲。', '', 3);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5515, 622, 'A', '抑制小肠α-葡萄糖苷酶'),
 (5516, 622, 'B', '抑制钠-葡萄糖协同转运蛋白2'),
 (5517, 622, 'C', '激活过氧化物酶体增殖物激活受体γ'),
 (5518, 622, 'D', '抑制二肽基肽酶-4'),
 (5519, 622, 'E', '激动GLP-1受体，以葡萄糖浓度依赖的方式促进胰岛素分泌');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (587, 113, 3, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (623, 587, '奥美拉唑等质子泵抑制剂口服时，最适宜的服用时间是', 'A', '质子泵抑制剂需在壁细胞分泌小管的酸性环境中活化，并只能抑制已激活的质子泵，早餐前0.5～1小时服用可在进餐刺激泌酸时发挥最大作用。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5520, 623, 'A', '早餐前0.5～1小时'),
 (5521, 623, 'B', '睡前服用'),
 (5522, 623, 'C', '与抗酸药同时服用'),
 (5523, 623, 'D', '两餐之间服用'),
 (5524, 623, 'E', '餐后立即服用');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (624, 587, '服用枸橼酸铋钾期间，患者可能出现且停药后可消失的现象是', 'E', '铋剂在消化道内可形成黑色的硫化铋，使舌苔和大便呈灰黑色，停药后即可消失，应提前告知患者，并与消化道出血所致黑便相鉴别。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5525, 624, 'A', '尿液呈红色'),
 (5526, 624, 'B', '牙龈增生'),
 (5527, 624, 'C', '听力下降'),
 (5528, 624, 'D', '皮肤黄染'),
 (5529, 624, 'E', '舌苔及大便呈灰黑色');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (625, 587, '米索前列醇可预防非甾体抗炎药引起的消化性溃疡，但禁用于', 'D', '米索前列醇为前列腺素E<sub>1</sub>衍生物，能引起子宫收缩，可致流产，孕妇禁用。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5530, 625, 'A', '老年人'),
 (5531, 625, 'B', '高血压患者'),
 (5532, 625, 'C', '类风湿关节炎患者'),
 (5533, 625, 'D', '孕妇'),
 (5534, 625, 'E', '糖尿病患者');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (626, 587, '硫糖铝不宜与抑酸药同时服用，原因是', 'A', '硫糖铝在pH&lt;4的酸性环境中才能聚合成胶冻状物，黏附于溃疡面形成保护屏障，与抑酸药同服会降低其疗效。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5535, 626, 'A', '硫糖铝在酸性环境中才能聚合成胶冻状，覆盖于溃疡面'),
 (5536, 626, 'B', '抑酸药可加快硫糖铝的代谢'),
 (5537, 626, 'C', '抑酸药可促进硫糖铝吸收入血'),
 (5538, 626, 'D', '二者合用可引起心律失常'),
 (5539, 626, 'E', '二者合用易致低血糖');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (591, 113, 4, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (627, 591, '患者，男，42岁，上腹痛2个月，胃镜检查示十二指肠球部溃疡，<sup>13</sup>C-尿素呼气试验阳性，无青霉素过敏史。首选的治疗方案是', 'E', '幽门螺杆菌阳性的消化性溃疡应根除幽门螺杆菌，我国共识推荐含铋剂四联方案，即质子泵抑制剂＋铋剂＋2种抗菌药物，疗程10～14天。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5540, 627, 'A', '法莫替丁＋硫糖铝'),
 (5541, 627, 'B', '阿莫西林单药治疗'),
 (5542, 627, 'C', '铝碳酸镁单药治疗'),
 (5543, 627, 'D', '奥美拉唑单药治疗'),
 (5544, 627, 'E', '质子泵抑制剂＋铋剂＋阿莫西林＋克拉霉素');
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (628, 591, '患者，女，68岁，类风湿关节炎，需长期服用双氯芬酸钠，既往有消化性溃疡出血史。为预防非甾体抗炎药相关溃疡，宜首选', 'C', '质子泵抑制剂能强效持久抑制胃酸分泌，是预防和治疗非甾体抗炎药相关消化性溃疡的首选药物；抗酸药和黏膜保护剂的预防效果不确切。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5545, 628, 'A', '铝碳酸镁'),
 (5546, 628, 'B', '氢氧化铝'),
 (5547, 628, 'C', '质子泵抑制剂'),
 (5548, 628, 'D', '硫糖铝'),
 (5549, 628, 'E', '碳酸氢钠');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (593, 113, 7, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (629, 593, '患者，男，45岁，确诊为幽门螺杆菌阳性十二指肠溃疡，医师处方含铋剂四联方案：雷贝拉唑、枸橼酸铋钾、阿莫西林和甲硝唑，疗程14天。药师进行用药交代，正确的有', 'ABCE', '质子泵抑制剂和铋剂宜餐前服用，抗菌药物餐后服用；铋剂可致舌苔、大便发黑；甲硝唑可引起双硫仑样反应，需禁酒；应按疗程足量服药，不可症状缓解即停药，停药至少4周后复查以判断根除效果。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5550, 629, 'A', '服用铋剂期间舌苔和大便可呈黑色，停药后可消失'),
 (5551, 629, 'B', '雷贝拉唑和枸橼酸铋钾宜在餐前服用'),
 (5552, 629, 'C', '服用甲硝唑期间及停药后数日内应禁酒'),
 (5553, 629, 'D', '腹痛消失后即可自行停药'),
 (5554, 629, 'E', '停药至少4周后复查幽门螺杆菌，以确认是否根除');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (594, 113, 6, '', 0, 0);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (630, 594, '可用于根除幽门螺杆菌的抗菌药物有', 'BCDE', '我国根除幽门螺杆菌方案中常用的抗菌药物包括阿莫西林、克拉霉素、左氧氟沙星、甲硝唑、呋喃唑酮和四环素；万古霉素口服不吸收且对幽门螺杆菌无效，不用于根除治疗。', '', 0);
INSERT INTO opinion (id, questionid, code, content) VALUES
 (5555, 630, 'A', '万古霉素'),
 (5556, 630, 'B', '阿莫西林'),
 (5557, 630, 'C', '克拉霉素'),
 (5558, 630, 'D', '呋喃唑酮'),
 (5559, 630, 'E', '四环素');
INSERT INTO readtext (id, treeid, qtypeid, content, itemnum, opnum) VALUES (595, 113, 11, 'A．奥美拉唑　B．法莫替丁　C．枸橼酸铋钾　D．米索前列醇　E．铝碳酸镁', 5, 5);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (631, 595, '抑制胃壁细胞H<sup>+</sup>,K<sup>+</sup>-ATP酶的是', 'A', '奥美拉唑为质子泵抑制剂，不可逆地抑制壁细胞H<sup>+</sup>,K<sup>+</sup>-ATP酶，抑酸作用强而持久。', '', 1);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (632, 595, '阻断胃壁细胞H<sub>2</sub>受体的是', 'B', '法莫替丁为H<sub>2</sub>受体阻断药，竞争性阻断壁细胞H<sub>2</sub>受体，减少胃酸分泌。', '', 2);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (633, 595, '在溃疡面形成保护膜，并对幽门螺杆菌有杀灭作用的是', 'C', '枸橼酸铋钾在酸性环境中形成铋盐沉淀，覆盖溃疡面，保护黏膜，并能杀灭幽门螺杆菌。', '', 3);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (634, 595, '前列腺素E<sub>1</sub>衍生物，可预防非甾体抗炎药所致溃疡的是', 'D', '米索前列醇为前列腺素E<sub>1</sub>衍生物，能抑制胃酸分泌并增强黏膜保护作用，可预防非甾体抗炎药所致溃疡。', '', 4);
INSERT INTO question (id, readtextid, content, answer, explain, picurl, itemnum) VALUES (635, 595, '能中和胃酸的抗酸药是', 'E', '铝碳酸镁为抗酸药，可直接中和胃酸，并能吸附胆汁酸、保护胃黏膜。', '', 5);
